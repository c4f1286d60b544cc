<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccountRules</name>
    <message>
        <source>the quotation mark</source>
        <translation>das Anführungszeichen</translation>
    </message>
    <message>
        <source>the apostrophe</source>
        <translation>den Apostroph</translation>
    </message>
    <message>
        <source>the exclamation mark</source>
        <translation>das Ausrufezeichen</translation>
    </message>
    <message>
        <source>the at sign</source>
        <translation>das At-Zeichen</translation>
    </message>
    <message>
        <source>the number sign</source>
        <translation>das Rautezeichen</translation>
    </message>
    <message>
        <source>the dollar sign</source>
        <translation>das Dollarzeichen</translation>
    </message>
    <message>
        <source>the percent sign</source>
        <translation>das Prozentzeichen</translation>
    </message>
    <message>
        <source>the caret</source>
        <translation>das Zirkumflexzeichen</translation>
    </message>
    <message>
        <source>the ampersand</source>
        <translation>das Und-Zeichen</translation>
    </message>
    <message>
        <source>the asterisk</source>
        <translation>den Stern</translation>
    </message>
    <message>
        <source>the opening parenthesis</source>
        <translation>die öffnende runde Klammer</translation>
    </message>
    <message>
        <source>the closing parenthesis</source>
        <translation>die schließende runde Klammer</translation>
    </message>
    <message>
        <source>the opening bracket</source>
        <translation>die öffnende eckige Klammer</translation>
    </message>
    <message>
        <source>the opening curly brace</source>
        <translation>die öffnende geschweifte Klammer</translation>
    </message>
    <message>
        <source>the closing curly brace</source>
        <translation>die schließende geschweifte Klammer</translation>
    </message>
    <message>
        <source>the closing bracket</source>
        <translation>die schließende eckige Klammer</translation>
    </message>
    <message>
        <source>the comma</source>
        <translation>das Komma</translation>
    </message>
    <message>
        <source>the full stop</source>
        <translation>den Punkt</translation>
    </message>
    <message>
        <source>the question mark</source>
        <translation>das Fragezeichen</translation>
    </message>
    <message>
        <source>the slash</source>
        <translation>den Schrägstrich</translation>
    </message>
    <message>
        <source>the backslash</source>
        <translation>den umgekehrten Schrägstrich</translation>
    </message>
    <message>
        <source>the semicolon</source>
        <translation>das Semikolon</translation>
    </message>
    <message>
        <source>the colon</source>
        <translation>den Doppelpunkt</translation>
    </message>
    <message>
        <source>the equals sign</source>
        <translation>das Gleichheitszeichen</translation>
    </message>
    <message>
        <source>the plus sign</source>
        <translation>das Pluszeichen</translation>
    </message>
    <message>
        <source>the less-than sign</source>
        <translation>das Kleiner-als-Zeichen</translation>
    </message>
    <message>
        <source>the greater-than sign</source>
        <translation>das Größer-als-Zeichen</translation>
    </message>
    <message>
        <source>a tab or another control character</source>
        <translation>einen Tabulator oder ein anderes Steuerzeichen</translation>
    </message>
    <message>
        <source>the letter %1, which records cannot store</source>
        <translation>den Buchstaben %1, den die Daten nicht speichern können</translation>
    </message>
</context>
<context>
    <name>ActivityWindow</name>
    <message>
        <source>Please contact the system administrator.</source>
        <translation>Bitte an die Systemverwaltung wenden.</translation>
    </message>
    <message>
        <source>Class Report</source>
        <translation>Klassenbericht</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Mistake Review</source>
        <translation>Fehler wiederholen</translation>
    </message>
    <message>
        <source>Testing Window</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Training</translation>
    </message>
</context>
<context>
    <name>CBasicLineGraph</name>
    <message>
        <source>Sessions</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source># Correct</source>
        <translation>Richtige</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>4 minutes</source>
        <translation>4 Minuten</translation>
    </message>
    <message>
        <source>goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>current goal</source>
        <translation>aktuelles Ziel</translation>
    </message>
    <message>
        <source>No training sessions yet</source>
        <translation>Noch kein Training</translation>
    </message>
    <message>
        <source>Scroll back</source>
        <translation>Zurückblättern</translation>
    </message>
    <message>
        <source>Scroll forward</source>
        <translation>Vorblättern</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>bestanden</translation>
    </message>
    <message>
        <source>not passed</source>
        <translation>nicht bestanden</translation>
    </message>
    <message>
        <source>No tests yet</source>
        <translation>Noch keine Tests</translation>
    </message>
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
    <name>CEditStudentInfoDlg</name>
    <message>
        <source>Edit User Info</source>
        <translation>Schülerdaten ändern</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Please enter a user name.</source>
        <translation>Bitte geben Sie einen Namen ein.</translation>
    </message>
    <message>
        <source>The user was not found.</source>
        <translation>Dieser Name wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>More than one student has this name in other capitals. Please type it exactly as the list shows it.</source>
        <translation>Mehrere Schüler haben diesen Namen in anderer Groß- und Kleinschreibung. Bitte geben Sie ihn genau so ein, wie er in der Liste steht.</translation>
    </message>
    <message>
        <source>Edit student info</source>
        <translation>Schülerdaten ändern</translation>
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
    <name>CMasteryGraph</name>
    <message>
        <source>mix</source>
        <translation>Mix</translation>
    </message>
</context>
<context>
    <name>CMistakeListCtl</name>
    <message>
        <source>Problem</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Noch</translation>
    </message>
    <message>
        <source>Mistake list</source>
        <translation>Fehlerliste</translation>
    </message>
    <message>
        <source>Each fact still to master and how many right answers it still needs</source>
        <translation>Jede Aufgabe, die du noch lernst, und wie viele richtige Antworten ihr noch fehlen</translation>
    </message>
</context>
<context>
    <name>CMistakeReviewWnd</name>
    <message>
        <source>Review</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Start the review of your mistakes</source>
        <translation>Fang an, deine Fehler zu wiederholen</translation>
    </message>
    <message>
        <source>Print mistakes</source>
        <translation>Fehler drucken</translation>
    </message>
    <message>
        <source>Print your mistake list as a practice sheet</source>
        <translation>Drucke deine Fehlerliste als Übungsblatt</translation>
    </message>
    <message>
        <source>Go back to the home screen</source>
        <translation>Zurück zur Startseite</translation>
    </message>
    <message>
        <source>You have no mistakes to review.</source>
        <translation>Du hast keine Fehler zum Wiederholen.</translation>
    </message>
    <message>
        <source>That fact is off your list.</source>
        <translation>Diese Aufgabe ist jetzt von deiner Liste weg.</translation>
    </message>
    <message>
        <source>That fact is off your list, and the frog hops.</source>
        <translation>Diese Aufgabe ist jetzt von deiner Liste weg, und der Frosch hüpft.</translation>
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
    <name>CNumberPadCtl</name>
    <message>
        <source>Number pad</source>
        <translation>Zahlenfeld</translation>
    </message>
    <message>
        <source>Send the typed answer</source>
        <translation>Schick deine Antwort ab</translation>
    </message>
    <message>
        <source>The answer typed so far</source>
        <translation>Die Antwort, die du bis jetzt getippt hast</translation>
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
        <translation>Melde dich mit dem gewählten Namen und Passwort an</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Beende das Programm</translation>
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
    <name>CStudent</name>
    <message>
        <source>Congratulations, you have mastered your basic math facts!!</source>
        <translation>Herzlichen Glückwunsch! Du kannst jetzt alle Grundaufgaben im Kopf!</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Plusaufgaben</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Minusaufgaben</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Malaufgaben</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Geteiltaufgaben</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Gemischt</translation>
    </message>
</context>
<context>
    <name>CStudentInfoDlg</name>
    <message>
        <source>Edit Student Information</source>
        <translation>Schülerdaten ändern</translation>
    </message>
    <message>
        <source>User Information</source>
        <translation>Schülerdaten</translation>
    </message>
    <message>
        <source>Full name  (e.g. Oria Fennick) :</source>
        <translation>Name (z. B. Oria Fennick):</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Vollständiger Name</translation>
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
        <source>Verify Password :</source>
        <translation>Passwort wiederholen:</translation>
    </message>
    <message>
        <source>Verify password</source>
        <translation>Passwort wiederholen</translation>
    </message>
    <message>
        <source>Current Level :</source>
        <translation>Aktuelle Stufe:</translation>
    </message>
    <message>
        <source>Current level</source>
        <translation>Aktuelle Stufe</translation>
    </message>
    <message>
        <source># of Tests Passed on Current Level :</source>
        <translation>Bestandene Tests auf dieser Stufe:</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Please enter a password.</source>
        <translation>Bitte geben Sie ein Passwort ein.</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Die Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Student info</source>
        <translation>Schülerdaten</translation>
    </message>
</context>
<context>
    <name>CStudentProgressWnd</name>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Mastery</source>
        <translation>Können</translation>
    </message>
    <message>
        <source>View the overall testing progress</source>
        <translation>Zeigt deinen Fortschritt in den Tests</translation>
    </message>
    <message>
        <source>Current Progress</source>
        <translation>Diagramm zu den Tests</translation>
    </message>
    <message>
        <source>View the results of each test</source>
        <translation>Zeigt das Ergebnis jedes Tests</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>View a report for all tests taken</source>
        <translation>Zeigt einen Bericht über alle deine Tests</translation>
    </message>
    <message>
        <source>Training Report</source>
        <translation>Bericht zum Training</translation>
    </message>
    <message>
        <source>View a report for all training and review sessions</source>
        <translation>Zeigt einen Bericht über dein ganzes Training und Wiederholen</translation>
    </message>
    <message>
        <source>Training Progress</source>
        <translation>Diagramm zum Training</translation>
    </message>
    <message>
        <source>View the results of each training session</source>
        <translation>Zeigt das Ergebnis jedes Trainings</translation>
    </message>
    <message>
        <source>Fact Map</source>
        <translation>Aufgabenkarte</translation>
    </message>
    <message>
        <source>See which facts you know by heart</source>
        <translation>Sieh, welche Aufgaben du auswendig kannst</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Current progress graph</source>
        <translation>Diagramm zu den Tests</translation>
    </message>
    <message>
        <source>Mastery graph</source>
        <translation>Diagramm zum Können</translation>
    </message>
    <message>
        <source>Training progress graph</source>
        <translation>Diagramm zum Training</translation>
    </message>
    <message>
        <source>Test report</source>
        <translation>Testbericht</translation>
    </message>
    <message>
        <source>Every test, newest first</source>
        <translation>Alle Tests, der neueste zuerst</translation>
    </message>
    <message>
        <source>Training report</source>
        <translation>Trainingsbericht</translation>
    </message>
    <message>
        <source>Every training session and review, newest first</source>
        <translation>Jedes Training und jedes Wiederholen, das Neueste zuerst</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Testing</source>
        <translation>Test</translation>
    </message>
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
    <name>CTallyhopApp</name>
    <message>
        <source>You are already running a copy of Tallyhop.</source>
        <translation>Tallyhop ist schon geöffnet.</translation>
    </message>
    <message>
        <source>The required display settings are not available.
Tallyhop requires a display resolution of 800x600 with 16 bit color.</source>
        <translation>Die nötigen Bildschirmeinstellungen sind nicht verfügbar.
Tallyhop braucht eine Auflösung von 800x600 mit 16 Bit Farbtiefe.</translation>
    </message>
    <message>
        <source>Tallyhop needs to change your monitor&apos;s resolution before continuing.
It will be changed back when you exit the program.</source>
        <translation>Tallyhop muss die Bildschirmauflösung ändern, bevor es weitergeht.
Beim Beenden des Programms wird sie zurückgestellt.</translation>
    </message>
</context>
<context>
    <name>CTeacherWnd</name>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Return to the home screen</source>
        <translation>Zurück zur Startseite</translation>
    </message>
    <message>
        <source>Add Student</source>
        <translation>Schüler anlegen</translation>
    </message>
    <message>
        <source>Add a new user to the program</source>
        <translation>Legt einen neuen Benutzer im Programm an</translation>
    </message>
    <message>
        <source>Edit Student Info</source>
        <translation>Schüler ändern</translation>
    </message>
    <message>
        <source>Change information for the selected user</source>
        <translation>Ändert die Daten des ausgewählten Benutzers</translation>
    </message>
    <message>
        <source>Delete Student</source>
        <translation>Schüler löschen</translation>
    </message>
    <message>
        <source>Removes the selected user from the program</source>
        <translation>Entfernt den ausgewählten Benutzer aus dem Programm</translation>
    </message>
    <message>
        <source>Class Report</source>
        <translation>Klassenbericht</translation>
    </message>
    <message>
        <source>See the whole class at a glance</source>
        <translation>Die ganze Klasse auf einen Blick</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>%1 is signed in at another computer. Their information can be changed after they sign out.</source>
        <translation>%1 ist an einem anderen Computer angemeldet. Die Daten lassen sich nach dem Abmelden ändern.</translation>
    </message>
    <message>
        <source>%1 is signed in at another computer and can be deleted after they sign out.</source>
        <translation>%1 ist an einem anderen Computer angemeldet und kann nach dem Abmelden gelöscht werden.</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Double-click on a student&apos;s name to view his or her progress</source>
        <translation>Doppelklicken Sie auf einen Namen, um den Fortschritt zu sehen</translation>
    </message>
    <message>
        <source>The list of %1&apos;s class cannot be read, so the program ends. Please contact the system administrator; the error log says why.</source>
        <translation>Die Klassenliste von %1 kann nicht gelesen werden, deshalb wird das Programm beendet. Bitte wenden Sie sich an die Systemverwaltung; der Grund steht im Fehlerprotokoll.</translation>
    </message>
    <message>
        <source>Tallyhop - Registration</source>
        <translation>Tallyhop - Schülerverwaltung</translation>
    </message>
    <message>
        <source>Please select a user to be deleted.</source>
        <translation>Bitte wählen Sie aus, wer gelöscht werden soll.</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Schülerverwaltung</translation>
    </message>
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
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>CTestingWnd</name>
    <message>
        <source>Testing</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Start the test</source>
        <translation>Starte den Test</translation>
    </message>
    <message>
        <source>Go back to the home screen</source>
        <translation>Zurück zur Startseite</translation>
    </message>
    <message>
        <source>Time to review your mistakes.</source>
        <translation>Zeit, deine Fehler zu wiederholen.</translation>
    </message>
    <message>
        <source>Please contact the system administrator.</source>
        <translation>Bitte sag der Systemverwaltung Bescheid.</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Noch: %1</translation>
    </message>
    <message>
        <source>Click Begin to start the test</source>
        <translation>Klicke auf „Los!“</translation>
    </message>
    <message>
        <source>Correct: %1</source>
        <translation>Richtig: %1</translation>
    </message>
    <message>
        <source>Missed: %1</source>
        <translation>Falsch: %1</translation>
    </message>
    <message>
        <source>Click Begin to start the test.</source>
        <translation>Drücke auf „Los!“, um den Test anzufangen.</translation>
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
    <name>CTrainingWnd</name>
    <message>
        <source>Training</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>View session graph</source>
        <translation>Diagramm ansehen</translation>
    </message>
    <message>
        <source>View report</source>
        <translation>Bericht ansehen</translation>
    </message>
    <message>
        <source>Select the type of problems
you would like to practice:</source>
        <translation>Wähle die Aufgaben,
die du üben möchtest:</translation>
    </message>
    <message>
        <source>My facts</source>
        <translation>Für mich</translation>
    </message>
    <message>
        <source>Practise the facts you do not know yet, a few at a time among facts you know</source>
        <translation>Übe die Aufgaben, die du noch nicht kannst, immer ein paar zwischen Aufgaben, die du schon kannst</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Choose the length of time
you would like to practice:</source>
        <translation>Wähle, wie lange
du üben möchtest:</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Enter your goal. This is the number of problems you want to get correct:</source>
        <translation>Gib dein Ziel ein. So viele Aufgaben willst du richtig lösen:</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>It is time to review your mistakes.</source>
        <translation>Es ist Zeit, deine Fehler zu wiederholen.</translation>
    </message>
    <message>
        <source>Let&apos;s practise %1. You are still learning it.</source>
        <translation>Lass uns %1 üben. Die lernst du gerade noch.</translation>
    </message>
    <message>
        <source>Let&apos;s practise %1 and %2. You are still learning them.</source>
        <translation>Lass uns %1 und %2 üben. Die lernst du gerade noch.</translation>
    </message>
    <message>
        <source>Let&apos;s practise %1, %2 and %3. You are still learning them.</source>
        <translation>Lass uns %1, %2 und %3 üben. Die lernst du gerade noch.</translation>
    </message>
    <message>
        <source>Let&apos;s practise %1, %2 and %3 more facts you are still learning.</source>
        <translation>Lass uns %1, %2 und %3 weitere Aufgaben üben, die du gerade noch lernst.</translation>
    </message>
    <message>
        <source>Let&apos;s get faster at %1.</source>
        <translation>Lass uns %1 schneller rechnen.</translation>
    </message>
    <message>
        <source>Let&apos;s get faster at %1 and %2.</source>
        <translation>Lass uns %1 und %2 schneller rechnen.</translation>
    </message>
    <message>
        <source>Let&apos;s get faster at %1, %2 and %3.</source>
        <translation>Lass uns %1, %2 und %3 schneller rechnen.</translation>
    </message>
    <message>
        <source>Let&apos;s get faster at %1, %2 and %3 more facts.</source>
        <translation>Lass uns %1, %2 und %3 weitere Aufgaben schneller rechnen.</translation>
    </message>
    <message>
        <source>Let&apos;s try a new fact: %1.</source>
        <translation>Lass uns eine neue Aufgabe probieren: %1.</translation>
    </message>
    <message>
        <source>Let&apos;s try some new facts, a few at a time.</source>
        <translation>Lass uns neue Aufgaben probieren, immer ein paar auf einmal.</translation>
    </message>
    <message>
        <source>All your facts are new to you. Let&apos;s try them all!</source>
        <translation>Alle deine Aufgaben sind neu für dich. Lass sie uns alle probieren!</translation>
    </message>
    <message>
        <source>You know all your facts! Let&apos;s keep them quick.</source>
        <translation>Du kannst alle deine Aufgaben! Lass uns schnell bleiben.</translation>
    </message>
    <message>
        <source>Please set a goal. This is the number of problems you want to get correct.</source>
        <translation>Bitte gib ein Ziel ein. So viele Aufgaben willst du richtig lösen.</translation>
    </message>
    <message>
        <source>Please contact the system administrator.</source>
        <translation>Bitte sag der Systemverwaltung Bescheid.</translation>
    </message>
    <message>
        <source>This training session has been completed. Press OK to view your current progress.</source>
        <translation>Dieses Training ist fertig. Klicke auf OK, dann siehst du deinen Fortschritt.</translation>
    </message>
    <message>
        <source>Session graph</source>
        <translation>Diagramm zum Training</translation>
    </message>
    <message>
        <source>Training report</source>
        <translation>Trainingsbericht</translation>
    </message>
    <message>
        <source>Every training session and review, newest first</source>
        <translation>Jedes Training und jedes Wiederholen, das Neueste zuerst</translation>
    </message>
    <message>
        <source>No training sessions yet</source>
        <translation>Noch kein Training</translation>
    </message>
</context>
<context>
    <name>CUserManager</name>
    <message>
        <source>The class records cannot be opened. Ask the administrator to add you to the group &apos;%1&apos;.</source>
        <translation>Die Klassendaten können nicht geöffnet werden. Die Systemverwaltung muss dieses Benutzerkonto in die Gruppe „%1“ aufnehmen.</translation>
    </message>
    <message>
        <source>The class records cannot be opened. Ask the administrator to give you access to %1.</source>
        <translation>Die Klassendaten können nicht geöffnet werden. Die Systemverwaltung muss diesem Benutzerkonto Zugriff auf %1 geben.</translation>
    </message>
    <message>
        <source>The record of %1 is being changed at another computer. Please try again in a moment.</source>
        <translation>Die Daten von %1 werden gerade an einem anderen Computer geändert. Bitte gleich noch einmal versuchen.</translation>
    </message>
    <message>
        <source>%1 is already signed in at another computer.</source>
        <translation>%1 ist schon an einem anderen Computer angemeldet.</translation>
    </message>
    <message>
        <source>Please contact the system administrator.</source>
        <translation>Bitte an die Systemverwaltung wenden.</translation>
    </message>
    <message>
        <source>You cannot sign in as &quot;Admin&quot; at this time.</source>
        <translation>Als „Admin“ kann man sich zurzeit nicht anmelden.</translation>
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
    <name>ClassReport</name>
    <message>
        <source>record cannot be read</source>
        <translation>Daten nicht lesbar</translation>
    </message>
    <message>
        <source>mistake list cannot be read</source>
        <translation>Fehlerliste nicht lesbar</translation>
    </message>
    <message>
        <source>response times cannot be read</source>
        <translation>Antwortzeiten nicht lesbar</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>inaktiv</translation>
    </message>
    <message>
        <source>stuck</source>
        <translation>kommt nicht weiter</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Schüler/in</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Tests passed</source>
        <translation>Bestandene Tests</translation>
    </message>
    <message>
        <source>Last active</source>
        <translation>Zuletzt aktiv</translation>
    </message>
    <message>
        <source>Sessions this week</source>
        <translation>Einheiten diese Woche</translation>
    </message>
    <message>
        <source>Minutes this week</source>
        <translation>Minuten diese Woche</translation>
    </message>
    <message>
        <source>Fluent facts</source>
        <translation>Sichere Aufgaben</translation>
    </message>
    <message>
        <source>Mistakes to review</source>
        <translation>Offene Fehler</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Bitte beachten</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Aufgaben</translation>
    </message>
</context>
<context>
    <name>ClassReportList</name>
    <message>
        <source>Student</source>
        <translation>Schüler/in</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Tests
passed</source>
        <translation>Bestandene
Tests</translation>
    </message>
    <message>
        <source>Last
active</source>
        <translation>Zuletzt
aktiv</translation>
    </message>
    <message>
        <source>Sessions
this week</source>
        <translation>Einheiten
diese Woche</translation>
    </message>
    <message>
        <source>Minutes
this week</source>
        <translation>Minuten
diese Woche</translation>
    </message>
    <message>
        <source>Fluent
facts</source>
        <translation>Sichere
Aufgaben</translation>
    </message>
    <message>
        <source>Mistakes
to review</source>
        <translation>Offene
Fehler</translation>
    </message>
    <message>
        <source>Needs
attention</source>
        <translation>Bitte
beachten</translation>
    </message>
    <message>
        <source>No students yet: Add Student on the class screen adds them.</source>
        <translation>Noch keine Schüler: Mit „Schüler anlegen“ auf dem Klassenbildschirm fügen Sie welche hinzu.</translation>
    </message>
</context>
<context>
    <name>ClassReportWnd</name>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Back to the class list</source>
        <translation>Zurück zur Klassenliste</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Save the report as a file for a spreadsheet program</source>
        <translation>Speichert den Bericht als Datei für ein Tabellenprogramm</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print the report</source>
        <translation>Druckt den Bericht</translation>
    </message>
    <message>
        <source> : no students</source>
        <translation>: keine Kinder</translation>
    </message>
    <message>
        <source> : 1 student</source>
        <translation>: 1 Kind</translation>
    </message>
    <message numerus="yes">
        <source> : %n students</source>
        <translation>
            <numerusform>: %n Kind</numerusform>
            <numerusform>: %n Kinder</numerusform>
        </translation>
    </message>
    <message>
        <source>Class Report</source>
        <translation>Klassenbericht</translation>
    </message>
    <message>
        <source>The list of %1&apos;s class cannot be read. Please contact the system administrator; the error log says why.</source>
        <translation>Die Klassenliste von %1 kann nicht gelesen werden. Bitte wenden Sie sich an die Systemverwaltung; im Fehlerprotokoll steht der Grund.</translation>
    </message>
    <message>
        <source>Class report</source>
        <translation>Klassenbericht</translation>
    </message>
    <message>
        <source>Click a heading to sort by it; double-click a student to view the progress</source>
        <translation>Klicken Sie auf eine Überschrift, um danach zu sortieren, oder doppelt auf ein Kind, um seinen Fortschritt zu sehen</translation>
    </message>
    <message>
        <source>A row for each student; a column&apos;s heading sorts by it; a double-click or Return opens the student&apos;s progress</source>
        <translation>Eine Zeile pro Kind; eine Spaltenüberschrift sortiert danach; ein Doppelklick oder die Eingabetaste öffnet den Fortschritt des Kindes</translation>
    </message>
    <message>
        <source> : class %1, no students</source>
        <extracomment>After &quot;Class Report&quot;: the class&apos;s name, then how many students it has.</extracomment>
        <translation>: Klasse %1, keine Kinder</translation>
    </message>
    <message>
        <source> : class %1, 1 student</source>
        <translation>: Klasse %1, 1 Kind</translation>
    </message>
    <message numerus="yes">
        <source> : class %1, %n students</source>
        <translation>
            <numerusform>: Klasse %1, %n Kind</numerusform>
            <numerusform>: Klasse %1, %n Kinder</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportClassReport</name>
    <message>
        <source>Class report %1.csv</source>
        <translation>Klassenbericht %1.csv</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The class report could not be saved as %1: %2.</source>
        <translation>Der Klassenbericht konnte nicht als %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The class report was saved as %1.</source>
        <translation>Der Klassenbericht wurde als %1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>FactMapView</name>
    <message>
        <source>Fluent</source>
        <translation>Sicher</translation>
    </message>
    <message>
        <source>Right but slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Not tried yet</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>right, in %1 seconds or less</source>
        <translation>richtig, in %1 Sekunden oder schneller</translation>
    </message>
    <message>
        <source>right, but over %1 seconds</source>
        <translation>richtig, aber über %1 Sekunden</translation>
    </message>
    <message>
        <source>wrong, or still to review</source>
        <translation>falsch oder noch zu wiederholen</translation>
    </message>
    <message>
        <source>not answered yet</source>
        <translation>noch nicht beantwortet</translation>
    </message>
    <message>
        <source>usually %1</source>
        <translation>meistens %1</translation>
    </message>
    <message>
        <source>not tried yet</source>
        <translation>noch nicht probiert</translation>
    </message>
    <message>
        <source>on the mistake list</source>
        <translation>auf der Fehlerliste</translation>
    </message>
    <message>
        <source>wrong last time</source>
        <translation>letztes Mal falsch</translation>
    </message>
    <message>
        <source>%1 = %2 — %3</source>
        <translation>%1 = %2 — %3</translation>
    </message>
    <message>
        <source>1 try</source>
        <translation>1 Versuch</translation>
    </message>
    <message numerus="yes">
        <source>%n tries</source>
        <translation>
            <numerusform>%n Versuch</numerusform>
            <numerusform>%n Versuche</numerusform>
        </translation>
    </message>
    <message>
        <source>the last on %1</source>
        <translation>der letzte am %1</translation>
    </message>
    <message>
        <source>%2 holds no %1 facts. Please tell your teacher.</source>
        <translation>In %2 stehen keine %1. Bitte sag es deiner Lehrerin oder deinem Lehrer.</translation>
    </message>
    <message>
        <source>The %1 facts cannot be read from %2. Please tell your teacher.</source>
        <translation>Die %1 können nicht aus %2 gelesen werden. Bitte sag es deiner Lehrerin oder deinem Lehrer.</translation>
    </message>
    <message>
        <source>Fact map</source>
        <translation>Aufgabenkarte</translation>
    </message>
    <message>
        <source>%1 facts</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>Nicht lesbar</translation>
    </message>
    <message>
        <source>%1: no facts to show</source>
        <translation>%1: keine Aufgaben zum Zeigen</translation>
    </message>
    <message>
        <source>%1: %2 of %3 fluent</source>
        <translation>%1: %2 von %3 sicher</translation>
    </message>
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
    <name>FactSummaryTile</name>
    <message>
        <source>%1 fluent</source>
        <translation>%1 sicher</translation>
    </message>
    <message>
        <source>%1 slow</source>
        <translation>%1 langsam</translation>
    </message>
    <message>
        <source>%1 missed</source>
        <translation>%1 falsch</translation>
    </message>
    <message>
        <source>%1 not tried</source>
        <translation>%1 neu</translation>
    </message>
    <message>
        <source>Show the %1 facts</source>
        <translation>%1 zeigen</translation>
    </message>
    <message>
        <source>Shows the %1 facts</source>
        <translation>Zeigt die %1</translation>
    </message>
    <message>
        <source>%1: no facts to show</source>
        <translation>%1: keine Aufgaben zum Zeigen</translation>
    </message>
    <message>
        <source>%1: %2 of %3 fluent</source>
        <translation>%1: %2 von %3 sicher</translation>
    </message>
    <message>
        <source>Show the facts ›</source>
        <translation>Aufgaben zeigen ›</translation>
    </message>
    <message>
        <source>%1 of %2 fluent</source>
        <translation>%1 von %2 sicher</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 enthält einen ungültigen Pfad.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Der Zugriff auf %1 wurde verweigert.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>%1 wird gerade von einem anderen Programm benutzt.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Der Datenträger ist voll: %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Beim Zugriff auf %1 hat die Hardware einen Lese- oder Schreibfehler gemeldet.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist ein unbekannter Fehler aufgetreten.</translation>
    </message>
</context>
<context>
    <name>HeaderBar</name>
    <message>
        <source>User: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>no tests passed</source>
        <translation>noch kein Test bestanden</translation>
    </message>
    <message>
        <source>1 test passed</source>
        <translation>1 Test bestanden</translation>
    </message>
    <message numerus="yes">
        <source>%n tests passed</source>
        <translation>
            <numerusform>%n Test bestanden</numerusform>
            <numerusform>%n Tests bestanden</numerusform>
        </translation>
    </message>
    <message>
        <source> : %1 - %2</source>
        <translation>: %1 – %2</translation>
    </message>
</context>
<context>
    <name>MistakeSheet</name>
    <message>
        <source>Tallyhop - Mistake sheet for %1</source>
        <translation>Tallyhop - Fehlerblatt für %1</translation>
    </message>
    <message>
        <source>Review Sheet</source>
        <translation>Übungsblatt</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>Name :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Mit „Schüler anlegen“ bekommt ein Kind einen Namen und ein Passwort.</translation>
    </message>
    <message>
        <source>Edit Student changes a password or a level.</source>
        <translation>Mit „Schüler ändern“ ändern Sie ein Passwort oder eine Stufe.</translation>
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
    <name>PrintClassReport</name>
    <message>
        <source>Class Report</source>
        <translation>Klassenbericht</translation>
    </message>
    <message>
        <source>Tallyhop - Class report</source>
        <translation>Tallyhop - Klassenbericht</translation>
    </message>
</context>
<context>
    <name>PrinterSetup</name>
    <message>
        <source>An error occurred while printing.
Check your printer settings and try again.</source>
        <translation>Beim Drucken ist ein Fehler aufgetreten.
Bitte die Druckereinstellungen prüfen und es noch einmal versuchen.</translation>
    </message>
</context>
<context>
    <name>RefusedInputNote</name>
    <message>
        <source>At most %1 characters.</source>
        <translation>Höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>The letter %1 was left out: records cannot store it.</source>
        <translation>Weggelassen, da nicht speicherbar: %1</translation>
    </message>
    <message>
        <source>The letters %1 were left out: records cannot store them.</source>
        <translation>Weggelassen, da nicht speicherbar: %1</translation>
    </message>
    <message>
        <source>A tab or another control character was left out.</source>
        <translation>Ein Tabulator oder ein anderes Steuerzeichen wurde weggelassen.</translation>
    </message>
</context>
<context>
    <name>ReportList</name>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Problems / Min</source>
        <translation>Aufgaben / Min</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Übrig</translation>
    </message>
    <message>
        <source>Cumulative Time</source>
        <translation>Gesamtzeit</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Versuche</translation>
    </message>
</context>
<context>
    <name>RosterFile</name>
    <message>
        <source>the file has no column %1.</source>
        <translation>die Datei hat keine Spalte %1.</translation>
    </message>
    <message>
        <source>the file lists no students.</source>
        <translation>die Datei enthält keine Schüler.</translation>
    </message>
    <message>
        <source>a quotation mark is not closed.</source>
        <translation>ein Anführungszeichen wird nicht geschlossen.</translation>
    </message>
    <message>
        <source>the teacher has no name.</source>
        <translation>die Lehrkraft hat keinen Namen.</translation>
    </message>
    <message>
        <source>the class has no name.</source>
        <translation>die Klasse hat keinen Namen.</translation>
    </message>
    <message>
        <source>the student has no name.</source>
        <translation>der Schüler hat keinen Namen.</translation>
    </message>
    <message>
        <source>the teacher&apos;s name %1 has more than %2 characters.</source>
        <translation>der Name der Lehrkraft %1 hat mehr als %2 Zeichen.</translation>
    </message>
    <message>
        <source>the class&apos;s name %1 has more than %2 characters.</source>
        <translation>der Name der Klasse %1 hat mehr als %2 Zeichen.</translation>
    </message>
    <message>
        <source>the name %1 has more than %2 characters.</source>
        <translation>der Name %1 hat mehr als %2 Zeichen.</translation>
    </message>
    <message>
        <source>the teacher&apos;s name %1 cannot hold %2.</source>
        <translation>der Name der Lehrkraft %1 darf %2 nicht enthalten.</translation>
    </message>
    <message>
        <source>the class&apos;s name %1 cannot hold %2.</source>
        <translation>der Name der Klasse %1 darf %2 nicht enthalten.</translation>
    </message>
    <message>
        <source>the name %1 cannot hold %2.</source>
        <translation>der Name %1 darf %2 nicht enthalten.</translation>
    </message>
    <message>
        <source>%1 has no password.</source>
        <translation>%1 hat kein Passwort.</translation>
    </message>
    <message>
        <source>the student has no password.</source>
        <translation>der Schüler hat kein Passwort.</translation>
    </message>
    <message>
        <source>the password of %1 has more than %2 characters.</source>
        <translation>das Passwort von %1 hat mehr als %2 Zeichen.</translation>
    </message>
    <message>
        <source>the password of the student has more than %1 characters.</source>
        <translation>das Passwort des Schülers hat mehr als %1 Zeichen.</translation>
    </message>
    <message>
        <source>the password of %1 holds a letter the records cannot store or a control character.</source>
        <translation>das Passwort von %1 enthält einen Buchstaben, den die Daten nicht speichern können, oder ein Steuerzeichen.</translation>
    </message>
    <message>
        <source>the password of the student holds a letter the records cannot store or a control character.</source>
        <translation>das Passwort des Schülers enthält einen Buchstaben, den die Daten nicht speichern können, oder ein Steuerzeichen.</translation>
    </message>
    <message>
        <source>the teacher %1 has another password here than on line %2.</source>
        <translation>die Lehrkraft %1 hat hier ein anderes Passwort als in Zeile %2.</translation>
    </message>
    <message>
        <source>the teacher %1 has another password here than in the options.</source>
        <translation>die Lehrkraft %1 hat hier ein anderes Passwort als in den Optionen.</translation>
    </message>
    <message>
        <source>the teacher %1 has a password on none of the rows.</source>
        <translation>die Lehrkraft %1 hat in keiner Zeile ein Passwort.</translation>
    </message>
    <message>
        <source>the level %1 is not a number from 1 to 5.</source>
        <translation>die Stufe %1 ist keine Zahl von 1 bis 5.</translation>
    </message>
    <message>
        <source>the tests passed %1 are not 0, 1 or 2.</source>
        <translation>die bestandenen Tests %1 sind nicht 0, 1 oder 2.</translation>
    </message>
    <message>
        <source>the student %1 is on line %2 already.</source>
        <translation>der Schüler %1 steht schon in Zeile %2.</translation>
    </message>
    <message>
        <source>the student %1 is given twice.</source>
        <translation>der Schüler %1 steht zweimal in der Datei.</translation>
    </message>
    <message>
        <source>the name %1 is already that of a person or of a class file in the data folder.</source>
        <translation>der Name %1 gehört schon einer Person oder einer Klassendatei im Datenordner.</translation>
    </message>
    <message>
        <source>the class would have more than %1 students.</source>
        <translation>die Klasse hätte mehr als %1 Schüler.</translation>
    </message>
    <message>
        <source>the class %1 would have more than %2 students.</source>
        <translation>die Klasse %1 hätte mehr als %2 Schüler.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>SessionHistory</name>
    <message>
        <source>passed</source>
        <translation>bestanden</translation>
    </message>
    <message>
        <source>not passed</source>
        <translation>nicht bestanden</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Incomplete</source>
        <translation>Nicht fertig</translation>
    </message>
    <message>
        <source>%1:%2 hours</source>
        <translation>%1:%2 Stunden</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Wiederholung</translation>
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
        <translation>Mit den Pfeiltasten links und rechts wählen Sie eine Spalte, mit Leertaste oder Eingabetaste sortieren Sie danach.</translation>
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
        <source>Please contact the system administrator.</source>
        <translation>Bitte wenden Sie sich an die Systemverwaltung.</translation>
    </message>
    <message>
        <source>Are you sure that you want to delete %1&apos;s account? %1&apos;s records, mistakes and progress will be deleted for good.</source>
        <translation>Möchten Sie das Konto von %1 wirklich löschen? Die Daten, Fehler und Fortschritte von %1 werden endgültig gelöscht.</translation>
    </message>
    <message>
        <source>The records of %1 cannot be read. Please contact the system administrator; the error log says why.</source>
        <translation>Die Daten von %1 können nicht gelesen werden. Bitte wenden Sie sich an die Systemverwaltung; der Grund steht im Fehlerprotokoll.</translation>
    </message>
    <message>
        <source>Invalid character(s) in name. A name cannot hold %1.</source>
        <translation>Der Name enthält ungültige Zeichen. Ein Name darf %1 nicht enthalten.</translation>
    </message>
    <message>
        <source>You may not have more than 8 users at a time.</source>
        <translation>Es können höchstens 8 Benutzer gleichzeitig angelegt sein.</translation>
    </message>
    <message>
        <source>You may not have more than %1 students in a class.</source>
        <translation>Eine Klasse darf nicht mehr als %1 Schüler haben.</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Bitte geben Sie einen Namen ein.</translation>
    </message>
    <message>
        <source>The name has more than %1 characters.</source>
        <translation>Der Name hat mehr als %1 Zeichen.</translation>
    </message>
    <message>
        <source>The name is already taken, please enter a different name.</source>
        <translation>Diesen Namen gibt es schon. Bitte geben Sie einen anderen Namen ein.</translation>
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
<context>
    <name>StudentListCtl</name>
    <message>
        <source>Level - Tests Passed</source>
        <translation>Stufe - Bestandene Tests</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
</TS>
