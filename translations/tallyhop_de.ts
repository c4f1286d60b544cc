<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CBasicLineGraph</name>
    <message>
        <source>Session %1 of %2: %3 correct, goal %4, %5.</source>
        <translation>Training %1 von %2: %3 richtig, Ziel %4, %5.</translation>
    </message>
    <message>
        <source>Right answers in each training session, against its goal.</source>
        <translation>Richtige Antworten in jedem Training, verglichen mit seinem Ziel.</translation>
    </message>
</context>
<context>
    <name>CMainWindow</name>
    <message>
        <source>Take a timed test of the facts of your level</source>
        <translation>Mach einen Test auf Zeit mit den Aufgaben deiner Stufe</translation>
    </message>
    <message>
        <source>Practise one kind of fact against a goal</source>
        <translation>Übe eine Art von Aufgaben und erreiche dein Ziel</translation>
    </message>
    <message>
        <source>Work through the facts on your mistake list</source>
        <translation>Wiederhole die Aufgaben auf deiner Fehlerliste</translation>
    </message>
    <message>
        <source>See how your tests and practice went</source>
        <translation>Sieh dir an, wie deine Tests und dein Training gelaufen sind</translation>
    </message>
    <message>
        <source>Let someone else sign in</source>
        <translation>Damit sich jemand anderes anmelden kann</translation>
    </message>
    <message>
        <source>Open the help guide</source>
        <translation>Öffne die Hilfe</translation>
    </message>
    <message>
        <source>Time for mistake review</source>
        <translation>Zeit zum Wiederholen deiner Fehler!</translation>
    </message>
    <message>
        <source>It is time to review your mistakes.</source>
        <translation>Es ist Zeit, deine Fehler zu wiederholen.</translation>
    </message>
    <message>
        <source>You have no mistakes to review.</source>
        <translation>Du hast keine Fehler zum Wiederholen.</translation>
    </message>
</context>
<context>
    <name>CMistakeReviewWnd</name>
    <message>
        <source>That fact is off your list.</source>
        <translation>Diese Aufgabe ist jetzt von deiner Liste.</translation>
    </message>
    <message>
        <source>That fact is off your list, and the frog hops.</source>
        <translation>Diese Aufgabe ist jetzt von deiner Liste, und der Frosch hüpft.</translation>
    </message>
    <message>
        <source>No mistakes are left.</source>
        <translation>Es sind keine Fehler mehr übrig.</translation>
    </message>
    <message>
        <source>1 mistake is left.</source>
        <translation>1 Fehler ist noch übrig.</translation>
    </message>
    <message>
        <source>%1 mistakes are left.</source>
        <translation>%1 Fehler sind noch übrig.</translation>
    </message>
    <message>
        <source>The frog has crossed the pond.</source>
        <translation>Der Frosch ist über den Teich gehüpft.</translation>
    </message>
    <message>
        <source>The frog waits at the edge of the pond.</source>
        <translation>Der Frosch wartet am Rand des Teichs.</translation>
    </message>
    <message>
        <source>The frog is on lily pad %1 of %2.</source>
        <translation>Der Frosch sitzt auf Seerosenblatt %1 von %2.</translation>
    </message>
</context>
<context>
    <name>CSignInDlg</name>
    <message>
        <source>Sign in</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Choose your name from the list</source>
        <translation>Wähle deinen Namen aus der Liste</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Type your password</source>
        <translation>Tippe dein Passwort ein</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Sign in with the chosen name and password</source>
        <translation>Mit dem gewählten Namen und Passwort anmelden</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>Open the help guide</source>
        <translation>Öffne die Hilfe</translation>
    </message>
    <message>
        <source>Please select a name.</source>
        <translation>Bitte wähle deinen Namen.</translation>
    </message>
    <message>
        <source>The records of %1 cannot be read. Please tell your teacher or the system administrator.</source>
        <translation>Die Daten von %1 können nicht gelesen werden. Bitte sag es deiner Lehrerin, deinem Lehrer oder der Systemverwaltung.</translation>
    </message>
    <message>
        <source>The password you entered is incorrect.</source>
        <translation>Das Passwort stimmt nicht.</translation>
    </message>
    <message>
        <source>%1 is no longer in the class list.</source>
        <translation>%1 steht nicht mehr in der Klassenliste.</translation>
    </message>
</context>
<context>
    <name>CStudentProgressWnd</name>
    <message>
        <source>Test %1 of %2: %3 correct, passed.</source>
        <translation>Test %1 von %2: %3 richtig, bestanden.</translation>
    </message>
    <message>
        <source>Test %1 of %2: %3 correct, not passed.</source>
        <translation>Test %1 von %2: %3 richtig, nicht bestanden.</translation>
    </message>
    <message>
        <source>Test %1 of %2: %3, passed.</source>
        <translation>Test %1 von %2: %3, bestanden.</translation>
    </message>
    <message>
        <source>Test %1 of %2: %3, not passed.</source>
        <translation>Test %1 von %2: %3, nicht bestanden.</translation>
    </message>
    <message>
        <source>The number right in each test at the current level.</source>
        <translation>Die Zahl der richtigen Antworten in jedem Test der jetzigen Stufe.</translation>
    </message>
    <message>
        <source>The level reached by each test.</source>
        <translation>Die Stufe, die jeder Test erreicht hat.</translation>
    </message>
</context>
<context>
    <name>CTeacherWnd</name>
    <message>
        <source>1 student was added to the class.</source>
        <translation>1 Schüler wurde der Klasse hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 students were added to the class.</source>
        <translation>%1 Schüler wurden der Klasse hinzugefügt.</translation>
    </message>
    <message>
        <source>The list of your first class cannot be read. Please contact the system administrator; the error log says why.</source>
        <translation>Die Liste Ihrer ersten Klasse kann nicht gelesen werden. Bitte wenden Sie sich an den Systemadministrator; das Fehlerprotokoll nennt den Grund.</translation>
    </message>
    <message>
        <source>The list of the class %1 cannot be read. Please contact the system administrator; the error log says why.</source>
        <translation>Die Liste der Klasse %1 kann nicht gelesen werden. Bitte wenden Sie sich an den Systemadministrator; das Fehlerprotokoll nennt den Grund.</translation>
    </message>
    <message>
        <source>Your first class cannot be deleted.</source>
        <translation>Ihre erste Klasse kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The class %1 still has students. Only a class without students can be deleted.</source>
        <translation>Die Klasse %1 hat noch Schüler. Nur eine Klasse ohne Schüler kann gelöscht werden.</translation>
    </message>
    <message>
        <source>Are you sure that you want to delete the class %1?</source>
        <translation>Möchten Sie die Klasse %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Import Students</source>
        <translation>Schüler importieren</translation>
    </message>
    <message>
        <source>Class lists (*.csv);;All files (*)</source>
        <translation>Klassenlisten (*.csv);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>CTestingWnd</name>
    <message>
        <source>Click Begin to start the test.</source>
        <translation>Drücke auf „Los!“, um den Test anzufangen.</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Noch übrig: %1</translation>
    </message>
    <message>
        <source>Correct: %1. Missed: %2.</source>
        <translation>Richtig: %1. Falsch: %2.</translation>
    </message>
    <message>
        <source>Correct: %1. Missed: %2. You passed this test.</source>
        <translation>Richtig: %1. Falsch: %2. Du hast diesen Test bestanden.</translation>
    </message>
    <message>
        <source>Correct: %1. Missed: %2. You did not pass this test.</source>
        <translation>Richtig: %1. Falsch: %2. Du hast diesen Test nicht bestanden.</translation>
    </message>
</context>
<context>
    <name>ClassBox</name>
    <message>
        <source>Class:</source>
        <extracomment>Before the list that chooses the class the teacher works on.</extracomment>
        <translation>Klasse:</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>The class whose students the list shows; choose another to work on it</source>
        <translation>Die Klasse, deren Schüler die Liste zeigt; wählen Sie eine andere, um mit ihr zu arbeiten</translation>
    </message>
    <message>
        <source>New Class</source>
        <translation>Neue Klasse</translation>
    </message>
    <message>
        <source>Start a new, empty class</source>
        <translation>Eine neue, leere Klasse anlegen</translation>
    </message>
    <message>
        <source>Delete Class</source>
        <translation>Klasse löschen</translation>
    </message>
    <message>
        <source>Delete the chosen class once it has no students</source>
        <translation>Die gewählte Klasse löschen, sobald sie keine Schüler mehr hat</translation>
    </message>
    <message>
        <source>Import Students…</source>
        <translation>Schüler importieren…</translation>
    </message>
    <message>
        <source>Add the students of a class list saved by a spreadsheet program (CSV) to the chosen class</source>
        <translation>Die Schüler einer von einer Tabellenkalkulation gespeicherten Klassenliste (CSV) der gewählten Klasse hinzufügen</translation>
    </message>
    <message>
        <source>Import Students</source>
        <translation>Schüler importieren</translation>
    </message>
</context>
<context>
    <name>ClassNames</name>
    <message>
        <source>(first class)</source>
        <extracomment>How the class chooser lists the class every teacher has had from the start.</extracomment>
        <translation>(erste Klasse)</translation>
    </message>
    <message>
        <source>%1, class %2</source>
        <extracomment>On the printed class report: the teacher, then the class&apos;s name.</extracomment>
        <translation>%1, Klasse %2</translation>
    </message>
</context>
<context>
    <name>ClassReportWnd</name>
    <message>
        <source> : class %1, %2</source>
        <extracomment>After &quot;Class Report&quot;: the class&apos;s name, then how many students it has.</extracomment>
        <translation> : Klasse %1, %2</translation>
    </message>
</context>
<context>
    <name>FactMapView</name>
    <message>
        <source>Fluent: %1.</source>
        <translation>Sicher: %1.</translation>
    </message>
    <message>
        <source>Right but slow: %1.</source>
        <translation>Richtig, aber langsam: %1.</translation>
    </message>
    <message>
        <source>Missed: %1.</source>
        <translation>Falsch: %1.</translation>
    </message>
    <message>
        <source>Not tried yet: %1.</source>
        <translation>Noch nicht probiert: %1.</translation>
    </message>
</context>
<context>
    <name>NewClassDlg</name>
    <message>
        <source>New Class</source>
        <translation>Neue Klasse</translation>
    </message>
    <message>
        <source>Class name</source>
        <translation>Name der Klasse</translation>
    </message>
    <message>
        <source>New class</source>
        <translation>Neue Klasse</translation>
    </message>
</context>
<context>
    <name>PictureCaption</name>
    <message>
        <source>Testing</source>
        <extracomment>The home screen&apos;s big buttons: a timed test, practice against a goal, the review of the child&apos;s mistakes and the child&apos;s progress.</extracomment>
        <translation>Test</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Hop to it – practise your number facts!</source>
        <extracomment>The home screen&apos;s motto under the program&apos;s name.</extracomment>
        <translation>Hüpf los – übe deine Rechenaufgaben!</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The key that sends a typed answer, in the middle of a ring of digits.</extracomment>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Mastery</source>
        <extracomment>The progress screen&apos;s views: the levels mastered, a graph, a table, the map of every fact.</extracomment>
        <translation>Können</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Fact Map</source>
        <translation>Aufgabenkarte</translation>
    </message>
    <message>
        <source>Great!</source>
        <extracomment>Beside a flash card: a right answer, a first wrong try, a second wrong try (the right answer is shown next), and the label before the right answer.</extracomment>
        <translation>Super!</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Nochmal</translation>
    </message>
    <message>
        <source>Almost!</source>
        <translation>Fast!</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Antwort:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Welcome, teacher!</source>
        <extracomment>The title of the teacher&apos;s screen, above the hints to its buttons.</extracomment>
        <translation>Willkommen!</translation>
    </message>
    <message>
        <source>Add Student gives a child a name and a password.</source>
        <translation>Mit Schüler anlegen bekommt ein Kind einen Namen und ein Passwort.</translation>
    </message>
    <message>
        <source>Edit Student changes a password or a level.</source>
        <translation>Mit Schüler ändern änderst du ein Passwort oder eine Stufe.</translation>
    </message>
    <message>
        <source>Double-click a name to see that child&apos;s progress.</source>
        <translation>Ein Doppelklick auf einen Namen zeigt den Fortschritt des Kindes.</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Add Student</source>
        <translation>Schüler anlegen</translation>
    </message>
    <message>
        <source>Edit Student</source>
        <translation>Schüler ändern</translation>
    </message>
    <message>
        <source>Delete Student</source>
        <translation>Schüler löschen</translation>
    </message>
    <message>
        <source>Class Report</source>
        <translation>Klassenbericht</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV exportieren…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Los!</translation>
    </message>
    <message>
        <source>My Facts</source>
        <extracomment>Training on the facts this child does not know yet; a small button, keep it short.</extracomment>
        <translation>Für mich</translation>
    </message>
</context>
<context>
    <name>SortingHeader</name>
    <message>
        <source>Column headings</source>
        <translation>Spaltenüberschriften</translation>
    </message>
    <message>
        <source>Left and Right choose a column. Space or Return sorts by it.</source>
        <translation>Links und Rechts wählen eine Spalte. Leertaste oder Eingabetaste sortiert danach.</translation>
    </message>
</context>
<context>
    <name>SpokenCard</name>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 plus %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 minus %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 mal %2</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 geteilt durch %2</translation>
    </message>
    <message>
        <source>%1 is not %2. Try again.</source>
        <translation>%1 ist nicht %2. Versuch es noch mal.</translation>
    </message>
    <message>
        <source>Almost! %1 is not %2.</source>
        <translation>Fast! %1 ist nicht %2.</translation>
    </message>
    <message>
        <source>The answer: %1 equals %2.</source>
        <translation>Die Antwort: %1 ist %2.</translation>
    </message>
    <message>
        <source>Great! %1 equals %2.</source>
        <translation>Super! %1 ist %2.</translation>
    </message>
</context>
<context>
    <name>StudentDialogMessages</name>
    <message>
        <source>You may not have more than %1 students in a class.</source>
        <translation>Eine Klasse darf nicht mehr als %1 Schüler haben.</translation>
    </message>
    <message>
        <source>No student was added, because %1 has this problem:</source>
        <translation>Es wurde kein Schüler hinzugefügt, weil %1 dieses Problem hat:</translation>
    </message>
    <message>
        <source>No student was added, because %1 has these problems:</source>
        <translation>Es wurde kein Schüler hinzugefügt, weil %1 diese Probleme hat:</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… und %1 weitere.</translation>
    </message>
</context>
</TS>
