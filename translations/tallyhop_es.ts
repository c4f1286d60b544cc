<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CBasicLineGraph</name>
    <message>
        <source>Session %1 of %2: %3 correct, goal %4, %5.</source>
        <translation>Práctica %1 de %2: %3 bien, meta %4, %5.</translation>
    </message>
    <message>
        <source>Right answers in each training session, against its goal.</source>
        <translation>Respuestas bien en cada práctica, comparadas con su meta.</translation>
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
    <name>CMistakeReviewWnd</name>
    <message>
        <source>That fact is off your list.</source>
        <translation>Esa cuenta ya no está en tu lista.</translation>
    </message>
    <message>
        <source>That fact is off your list, and the frog hops.</source>
        <translation>Esa cuenta ya no está en tu lista, y la rana salta.</translation>
    </message>
    <message>
        <source>No mistakes are left.</source>
        <translation>No queda ningún error.</translation>
    </message>
    <message>
        <source>1 mistake is left.</source>
        <translation>Queda 1 error.</translation>
    </message>
    <message>
        <source>%1 mistakes are left.</source>
        <translation>Quedan %1 errores.</translation>
    </message>
    <message>
        <source>The frog has crossed the pond.</source>
        <translation>La rana ha cruzado el estanque.</translation>
    </message>
    <message>
        <source>The frog waits at the edge of the pond.</source>
        <translation>La rana espera en la orilla del estanque.</translation>
    </message>
    <message>
        <source>The frog is on lily pad %1 of %2.</source>
        <translation>La rana está en el nenúfar %1 de %2.</translation>
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
    <name>CStudentProgressWnd</name>
    <message>
        <source>Test %1 of %2: %3 correct, passed.</source>
        <translation>Prueba %1 de %2: %3 bien, aprobada.</translation>
    </message>
    <message>
        <source>Test %1 of %2: %3 correct, not passed.</source>
        <translation>Prueba %1 de %2: %3 bien, no aprobada.</translation>
    </message>
    <message>
        <source>Test %1 of %2: %3, passed.</source>
        <translation>Prueba %1 de %2: %3, aprobada.</translation>
    </message>
    <message>
        <source>Test %1 of %2: %3, not passed.</source>
        <translation>Prueba %1 de %2: %3, no aprobada.</translation>
    </message>
    <message>
        <source>The number right in each test at the current level.</source>
        <translation>Cuántas bien en cada prueba del nivel actual.</translation>
    </message>
    <message>
        <source>The level reached by each test.</source>
        <translation>El nivel alcanzado en cada prueba.</translation>
    </message>
</context>
<context>
    <name>CTeacherWnd</name>
    <message>
        <source>1 student was added to the class.</source>
        <translation>Se añadió 1 alumno a la clase.</translation>
    </message>
    <message>
        <source>%1 students were added to the class.</source>
        <translation>Se añadieron %1 alumnos a la clase.</translation>
    </message>
    <message>
        <source>The list of your first class cannot be read. Please contact the system administrator; the error log says why.</source>
        <translation>No se puede leer la lista de tu primera clase. Ponte en contacto con el administrador del sistema; el registro de errores dice por qué.</translation>
    </message>
    <message>
        <source>The list of the class %1 cannot be read. Please contact the system administrator; the error log says why.</source>
        <translation>No se puede leer la lista de la clase %1. Ponte en contacto con el administrador del sistema; el registro de errores dice por qué.</translation>
    </message>
    <message>
        <source>Your first class cannot be deleted.</source>
        <translation>Tu primera clase no se puede eliminar.</translation>
    </message>
    <message>
        <source>The class %1 still has students. Only a class without students can be deleted.</source>
        <translation>La clase %1 todavía tiene alumnos. Solo se puede eliminar una clase sin alumnos.</translation>
    </message>
    <message>
        <source>Are you sure that you want to delete the class %1?</source>
        <translation>¿Seguro que quieres eliminar la clase %1?</translation>
    </message>
    <message>
        <source>Import Students</source>
        <translation>Importar alumnos</translation>
    </message>
    <message>
        <source>Class lists (*.csv);;All files (*)</source>
        <translation>Listas de clase (*.csv);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>CTestingWnd</name>
    <message>
        <source>Click Begin to start the test.</source>
        <translation>Pulsa «Empezar» para comenzar la prueba.</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Quedan: %1</translation>
    </message>
    <message>
        <source>Correct: %1. Missed: %2.</source>
        <translation>Bien: %1. Mal: %2.</translation>
    </message>
    <message>
        <source>Correct: %1. Missed: %2. You passed this test.</source>
        <translation>Bien: %1. Mal: %2. Has aprobado esta prueba.</translation>
    </message>
    <message>
        <source>Correct: %1. Missed: %2. You did not pass this test.</source>
        <translation>Bien: %1. Mal: %2. No has aprobado esta prueba.</translation>
    </message>
</context>
<context>
    <name>ClassBox</name>
    <message>
        <source>Class:</source>
        <extracomment>Before the list that chooses the class the teacher works on.</extracomment>
        <translation>Clase:</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>The class whose students the list shows; choose another to work on it</source>
        <translation>La clase cuyos alumnos muestra la lista; elige otra para trabajar con ella</translation>
    </message>
    <message>
        <source>New Class</source>
        <translation>Nueva clase</translation>
    </message>
    <message>
        <source>Start a new, empty class</source>
        <translation>Empezar una clase nueva y vacía</translation>
    </message>
    <message>
        <source>Delete Class</source>
        <translation>Eliminar clase</translation>
    </message>
    <message>
        <source>Delete the chosen class once it has no students</source>
        <translation>Eliminar la clase elegida cuando ya no tenga alumnos</translation>
    </message>
    <message>
        <source>Import Students…</source>
        <translation>Importar alumnos…</translation>
    </message>
    <message>
        <source>Add the students of a class list saved by a spreadsheet program (CSV) to the chosen class</source>
        <translation>Añadir a la clase elegida los alumnos de una lista de clase guardada por una hoja de cálculo (CSV)</translation>
    </message>
    <message>
        <source>Import Students</source>
        <translation>Importar alumnos</translation>
    </message>
</context>
<context>
    <name>ClassNames</name>
    <message>
        <source>(first class)</source>
        <extracomment>How the class chooser lists the class every teacher has had from the start.</extracomment>
        <translation>(primera clase)</translation>
    </message>
    <message>
        <source>%1, class %2</source>
        <extracomment>On the printed class report: the teacher, then the class&apos;s name.</extracomment>
        <translation>%1, clase %2</translation>
    </message>
</context>
<context>
    <name>ClassReportWnd</name>
    <message>
        <source> : class %1, %2</source>
        <extracomment>After &quot;Class Report&quot;: the class&apos;s name, then how many students it has.</extracomment>
        <translation> : clase %1, %2</translation>
    </message>
</context>
<context>
    <name>FactMapView</name>
    <message>
        <source>Fluent: %1.</source>
        <translation>Seguras: %1.</translation>
    </message>
    <message>
        <source>Right but slow: %1.</source>
        <translation>Bien, pero lentas: %1.</translation>
    </message>
    <message>
        <source>Missed: %1.</source>
        <translation>Falladas: %1.</translation>
    </message>
    <message>
        <source>Not tried yet: %1.</source>
        <translation>Sin probar todavía: %1.</translation>
    </message>
</context>
<context>
    <name>NewClassDlg</name>
    <message>
        <source>New Class</source>
        <translation>Nueva clase</translation>
    </message>
    <message>
        <source>Class name</source>
        <translation>Nombre de la clase</translation>
    </message>
    <message>
        <source>New class</source>
        <translation>Nueva clase</translation>
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
    <name>SortingHeader</name>
    <message>
        <source>Column headings</source>
        <translation>Encabezados de columna</translation>
    </message>
    <message>
        <source>Left and Right choose a column. Space or Return sorts by it.</source>
        <translation>Izquierda y Derecha eligen una columna. Espacio o Intro ordena por ella.</translation>
    </message>
</context>
<context>
    <name>SpokenCard</name>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 más %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 menos %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 por %2</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 entre %2</translation>
    </message>
    <message>
        <source>%1 is not %2. Try again.</source>
        <translation>%1 no son %2. Inténtalo otra vez.</translation>
    </message>
    <message>
        <source>Almost! %1 is not %2.</source>
        <translation>¡Casi! %1 no son %2.</translation>
    </message>
    <message>
        <source>The answer: %1 equals %2.</source>
        <translation>La respuesta: %1 son %2.</translation>
    </message>
    <message>
        <source>Great! %1 equals %2.</source>
        <translation>¡Muy bien! %1 son %2.</translation>
    </message>
</context>
<context>
    <name>StudentDialogMessages</name>
    <message>
        <source>You may not have more than %1 students in a class.</source>
        <translation>No puedes tener más de %1 alumnos en una clase.</translation>
    </message>
    <message>
        <source>No student was added, because %1 has this problem:</source>
        <translation>No se añadió ningún alumno porque %1 tiene este problema:</translation>
    </message>
    <message>
        <source>No student was added, because %1 has these problems:</source>
        <translation>No se añadió ningún alumno porque %1 tiene estos problemas:</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… y %1 más.</translation>
    </message>
</context>
</TS>
