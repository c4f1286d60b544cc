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
        <translation>Fehler zum Wiederholen</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Braucht Aufmerksamkeit</translation>
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
</TS>
