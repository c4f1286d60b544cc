<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AccountRules</name>
    <message>
        <source>the quotation mark</source>
        <translation>las comillas</translation>
    </message>
    <message>
        <source>the apostrophe</source>
        <translation>el apóstrofo</translation>
    </message>
    <message>
        <source>the exclamation mark</source>
        <translation>el signo de exclamación</translation>
    </message>
    <message>
        <source>the at sign</source>
        <translation>la arroba</translation>
    </message>
    <message>
        <source>the number sign</source>
        <translation>la almohadilla</translation>
    </message>
    <message>
        <source>the dollar sign</source>
        <translation>el signo de dólar</translation>
    </message>
    <message>
        <source>the percent sign</source>
        <translation>el signo de porcentaje</translation>
    </message>
    <message>
        <source>the caret</source>
        <translation>el acento circunflejo</translation>
    </message>
    <message>
        <source>the ampersand</source>
        <translation>el signo «et»</translation>
    </message>
    <message>
        <source>the asterisk</source>
        <translation>el asterisco</translation>
    </message>
    <message>
        <source>the opening parenthesis</source>
        <translation>el paréntesis de apertura</translation>
    </message>
    <message>
        <source>the closing parenthesis</source>
        <translation>el paréntesis de cierre</translation>
    </message>
    <message>
        <source>the opening bracket</source>
        <translation>el corchete de apertura</translation>
    </message>
    <message>
        <source>the opening curly brace</source>
        <translation>la llave de apertura</translation>
    </message>
    <message>
        <source>the closing curly brace</source>
        <translation>la llave de cierre</translation>
    </message>
    <message>
        <source>the closing bracket</source>
        <translation>el corchete de cierre</translation>
    </message>
    <message>
        <source>the comma</source>
        <translation>la coma</translation>
    </message>
    <message>
        <source>the full stop</source>
        <translation>el punto</translation>
    </message>
    <message>
        <source>the question mark</source>
        <translation>el signo de interrogación</translation>
    </message>
    <message>
        <source>the slash</source>
        <translation>la barra</translation>
    </message>
    <message>
        <source>the backslash</source>
        <translation>la barra invertida</translation>
    </message>
    <message>
        <source>the semicolon</source>
        <translation>el punto y coma</translation>
    </message>
    <message>
        <source>the colon</source>
        <translation>los dos puntos</translation>
    </message>
    <message>
        <source>the equals sign</source>
        <translation>el signo igual</translation>
    </message>
    <message>
        <source>the plus sign</source>
        <translation>el signo más</translation>
    </message>
    <message>
        <source>the less-than sign</source>
        <translation>el signo menor que</translation>
    </message>
    <message>
        <source>the greater-than sign</source>
        <translation>el signo mayor que</translation>
    </message>
    <message>
        <source>a tab or another control character</source>
        <translation>un tabulador u otro carácter de control</translation>
    </message>
    <message>
        <source>the letter %1, which records cannot store</source>
        <translation>la letra %1, que los registros no pueden guardar</translation>
    </message>
</context>
<context>
    <name>CMainWindow</name>
    <message>
        <source>Take a timed test of the facts of your level</source>
        <translation>Haz una prueba con tiempo de las cuentas de tu nivel</translation>
    </message>
    <message>
        <source>Practise one kind of fact against a goal</source>
        <translation>Practica un tipo de cuenta para llegar a tu meta</translation>
    </message>
    <message>
        <source>Work through the facts on your mistake list</source>
        <translation>Repasa las cuentas de tu lista de errores</translation>
    </message>
    <message>
        <source>See how your tests and practice went</source>
        <translation>Mira cómo te fue en las pruebas y en la práctica</translation>
    </message>
    <message>
        <source>Let someone else sign in</source>
        <translation>Deja entrar a otra persona</translation>
    </message>
    <message>
        <source>Open the help guide</source>
        <translation>Abre la guía de ayuda</translation>
    </message>
    <message>
        <source>Time for mistake review</source>
        <translation>¡Hora de repasar tus errores!</translation>
    </message>
    <message>
        <source>It is time to review your mistakes.</source>
        <translation>Es hora de repasar tus errores.</translation>
    </message>
    <message>
        <source>You have no mistakes to review.</source>
        <translation>No tienes errores para repasar.</translation>
    </message>
</context>
<context>
    <name>CSignInDlg</name>
    <message>
        <source>Sign in</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Choose your name from the list</source>
        <translation>Elige tu nombre de la lista</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Type your password</source>
        <translation>Escribe tu contraseña</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Sign in with the chosen name and password</source>
        <translation>Entra con el nombre y la contraseña que elegiste</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Cierra el programa</translation>
    </message>
    <message>
        <source>Open the help guide</source>
        <translation>Abre la guía de ayuda</translation>
    </message>
    <message>
        <source>Please select a name.</source>
        <translation>Elige un nombre, por favor.</translation>
    </message>
    <message>
        <source>The records of %1 cannot be read. Please tell your teacher or the system administrator.</source>
        <translation>No se pueden leer los datos de %1. Avisa a tu maestra o maestro, o al administrador del sistema.</translation>
    </message>
    <message>
        <source>The password you entered is incorrect.</source>
        <translation>La contraseña no es correcta.</translation>
    </message>
    <message>
        <source>%1 is no longer in the class list.</source>
        <translation>%1 ya no está en la lista de la clase.</translation>
    </message>
</context>
<context>
    <name>CStudent</name>
    <message>
        <source>Congratulations, you have mastered your basic math facts!!</source>
        <translation>¡Enhorabuena! ¡Ya te sabes todas las cuentas básicas!</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Sumas</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Restas</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicaciones</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisiones</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mezcla</translation>
    </message>
</context>
<context>
    <name>CUserManager</name>
    <message>
        <source>The class records cannot be opened. Ask the administrator to add you to the group &apos;%1&apos;.</source>
        <translation>No se pueden abrir los datos de la clase. Pide al administrador que te añada al grupo «%1».</translation>
    </message>
    <message>
        <source>The class records cannot be opened. Ask the administrator to give you access to %1.</source>
        <translation>No se pueden abrir los datos de la clase. Pide al administrador que te dé acceso a %1.</translation>
    </message>
    <message>
        <source>The record of %1 is being changed at another computer. Please try again in a moment.</source>
        <translation>Los datos de %1 se están cambiando en otro ordenador. Inténtalo de nuevo dentro de un momento.</translation>
    </message>
    <message>
        <source>%1 is already signed in at another computer.</source>
        <translation>%1 ya ha entrado en otro ordenador.</translation>
    </message>
    <message>
        <source>Please contact the system administrator.</source>
        <translation>Avisa al administrador del sistema, por favor.</translation>
    </message>
    <message>
        <source>You cannot sign in as &quot;Admin&quot; at this time.</source>
        <translation>Ahora no se puede entrar como «Admin».</translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>record cannot be read</source>
        <translation>datos ilegibles</translation>
    </message>
    <message>
        <source>mistake list cannot be read</source>
        <translation>lista de errores ilegible</translation>
    </message>
    <message>
        <source>response times cannot be read</source>
        <translation>tiempos de respuesta ilegibles</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>inactivo</translation>
    </message>
    <message>
        <source>stuck</source>
        <translation>estancado</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Tests passed</source>
        <translation>Pruebas aprobadas</translation>
    </message>
    <message>
        <source>Last active</source>
        <translation>Última actividad</translation>
    </message>
    <message>
        <source>Sessions this week</source>
        <translation>Sesiones esta semana</translation>
    </message>
    <message>
        <source>Minutes this week</source>
        <translation>Minutos esta semana</translation>
    </message>
    <message>
        <source>Fluent facts</source>
        <translation>Cuentas dominadas</translation>
    </message>
    <message>
        <source>Mistakes to review</source>
        <translation>Errores por repasar</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Necesita atención</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Cuentas</translation>
    </message>
</context>
<context>
    <name>ExportClassReport</name>
    <message>
        <source>Class report %1.csv</source>
        <translation>Informe de clase %1.csv</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The class report could not be saved as %1: %2.</source>
        <translation>No se ha podido guardar el informe de clase como %1: %2.</translation>
    </message>
    <message>
        <source>The class report was saved as %1.</source>
        <translation>El informe de clase se ha guardado como %1.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1 was not found.</source>
        <translation>No se ha encontrado %1.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contiene una ruta no válida.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Se ha denegado el acceso a %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Otro programa está usando %1 y no se ha podido acceder.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>El disco está lleno; no se ha podido acceder a %1.</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Se ha producido un error de lectura o escritura del disco al acceder a %1.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Se ha producido un error desconocido al acceder a %1.</translation>
    </message>
</context>
<context>
    <name>PictureCaption</name>
    <message>
        <source>Testing</source>
        <extracomment>The home screen&apos;s big buttons: a timed test, practice against a goal, the review of the child&apos;s mistakes and the child&apos;s progress.</extracomment>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Repaso</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Hop to it – practise your number facts!</source>
        <extracomment>The home screen&apos;s motto under the program&apos;s name.</extracomment>
        <translation>¡Salta y practica tus cuentas!</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The key that sends a typed answer, in the middle of a ring of digits.</extracomment>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Mastery</source>
        <extracomment>The progress screen&apos;s views: the levels mastered, a graph, a table, the map of every fact.</extracomment>
        <translation>Dominio</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfica</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Fact Map</source>
        <translation>Mapa de cuentas</translation>
    </message>
    <message>
        <source>Great!</source>
        <extracomment>Beside a flash card: a right answer, a first wrong try, a second wrong try (the right answer is shown next), and the label before the right answer.</extracomment>
        <translation>¡Muy bien!</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Otra vez</translation>
    </message>
    <message>
        <source>Almost!</source>
        <translation>¡Casi!</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Respuesta:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Welcome, teacher!</source>
        <extracomment>The title of the teacher&apos;s screen, above the hints to its buttons.</extracomment>
        <translation>¡Te damos la bienvenida!</translation>
    </message>
    <message>
        <source>Add Student gives a child a name and a password.</source>
        <translation>Con Añadir alumno, un niño recibe un nombre y una contraseña.</translation>
    </message>
    <message>
        <source>Edit Student changes a password or a level.</source>
        <translation>Con Editar alumno cambias una contraseña o un nivel.</translation>
    </message>
    <message>
        <source>Double-click a name to see that child&apos;s progress.</source>
        <translation>Haz doble clic en un nombre para ver su progreso.</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Add Student</source>
        <translation>Añadir alumno</translation>
    </message>
    <message>
        <source>Edit Student</source>
        <translation>Editar alumno</translation>
    </message>
    <message>
        <source>Delete Student</source>
        <translation>Borrar alumno</translation>
    </message>
    <message>
        <source>Class Report</source>
        <translation>Informe de clase</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportar CSV…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>My Facts</source>
        <extracomment>Training on the facts this child does not know yet; a small button, keep it short.</extracomment>
        <translation>Para mí</translation>
    </message>
</context>
<context>
    <name>SessionHistory</name>
    <message>
        <source>passed</source>
        <translation>aprobada</translation>
    </message>
    <message>
        <source>not passed</source>
        <translation>no aprobada</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completo</translation>
    </message>
    <message>
        <source>Incomplete</source>
        <translation>Incompleto</translation>
    </message>
    <message>
        <source>%1:%2 hours</source>
        <translation>%1:%2 horas</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Repaso</translation>
    </message>
</context>
</TS>
