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
        <translation>la letra %1, que los datos no pueden guardar</translation>
    </message>
</context>
<context>
    <name>ActivityWindow</name>
    <message>
        <source>Please contact the system administrator.</source>
        <translation>Avisa al administrador del sistema, por favor.</translation>
    </message>
    <message>
        <source>Class Report</source>
        <translation>Informe de clase</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Mistake Review</source>
        <translation>Repaso de errores</translation>
    </message>
    <message>
        <source>Testing Window</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Práctica</translation>
    </message>
</context>
<context>
    <name>CBasicLineGraph</name>
    <message>
        <source>Sessions</source>
        <translation>Sesiones</translation>
    </message>
    <message>
        <source># Correct</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>4 minutes</source>
        <translation>4 minutos</translation>
    </message>
    <message>
        <source>goal</source>
        <translation>meta</translation>
    </message>
    <message>
        <source>current goal</source>
        <translation>meta actual</translation>
    </message>
    <message>
        <source>No training sessions yet</source>
        <translation>Todavía no hay prácticas</translation>
    </message>
    <message>
        <source>Scroll back</source>
        <translation>Ir atrás</translation>
    </message>
    <message>
        <source>Scroll forward</source>
        <translation>Ir adelante</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Pruebas</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>aprobada</translation>
    </message>
    <message>
        <source>not passed</source>
        <translation>no aprobada</translation>
    </message>
    <message>
        <source>No tests yet</source>
        <translation>Todavía no hay pruebas</translation>
    </message>
    <message>
        <source>Session %1 of %2: %3 correct, goal %4, %5.</source>
        <translation>Práctica %1 de %2: %3 bien, meta %4, %5.</translation>
    </message>
    <message>
        <source>Right answers in each training session, against its goal.</source>
        <translation>Aciertos de cada práctica, comparados con su meta.</translation>
    </message>
</context>
<context>
    <name>CEditStudentInfoDlg</name>
    <message>
        <source>Edit User Info</source>
        <translation>Editar alumno</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Please enter a user name.</source>
        <translation>Escribe el nombre del alumno.</translation>
    </message>
    <message>
        <source>The user was not found.</source>
        <translation>No se ha encontrado a ese alumno.</translation>
    </message>
    <message>
        <source>More than one student has this name in other capitals. Please type it exactly as the list shows it.</source>
        <translation>Hay más de un alumno con este nombre escrito con otras mayúsculas. Escríbelo exactamente como aparece en la lista.</translation>
    </message>
    <message>
        <source>Edit student info</source>
        <translation>Editar alumno</translation>
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
    <name>CMasteryGraph</name>
    <message>
        <source>mix</source>
        <translation>mezcla</translation>
    </message>
</context>
<context>
    <name>CMistakeListCtl</name>
    <message>
        <source>Problem</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Faltan</translation>
    </message>
    <message>
        <source>Mistake list</source>
        <translation>Lista de errores</translation>
    </message>
    <message>
        <source>Each fact still to master and how many right answers it still needs</source>
        <translation>Cada cuenta que aún tienes que dominar y cuántas respuestas correctas le faltan</translation>
    </message>
</context>
<context>
    <name>CMistakeReviewWnd</name>
    <message>
        <source>Review</source>
        <translation>Repaso</translation>
    </message>
    <message>
        <source>Start the review of your mistakes</source>
        <translation>Empieza a repasar tus errores</translation>
    </message>
    <message>
        <source>Print mistakes</source>
        <translation>Imprimir errores</translation>
    </message>
    <message>
        <source>Print your mistake list as a practice sheet</source>
        <translation>Imprime tu lista de errores como hoja de práctica</translation>
    </message>
    <message>
        <source>Go back to the home screen</source>
        <translation>Vuelve a la pantalla de inicio</translation>
    </message>
    <message>
        <source>You have no mistakes to review.</source>
        <translation>No tienes errores para repasar.</translation>
    </message>
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
    <name>CNumberPadCtl</name>
    <message>
        <source>Number pad</source>
        <translation>Teclado de números</translation>
    </message>
    <message>
        <source>Send the typed answer</source>
        <translation>Envía la respuesta que escribiste</translation>
    </message>
    <message>
        <source>The answer typed so far</source>
        <translation>La respuesta que llevas escrita</translation>
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
    <name>CStudentInfoDlg</name>
    <message>
        <source>Edit Student Information</source>
        <translation>Editar los datos del alumno</translation>
    </message>
    <message>
        <source>User Information</source>
        <translation>Datos del alumno</translation>
    </message>
    <message>
        <source>Full name  (e.g. Oria Fennick) :</source>
        <translation>Nombre (p. ej. Oria Fennick):</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Nombre completo</translation>
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
        <source>Verify Password :</source>
        <translation>Repite la contraseña:</translation>
    </message>
    <message>
        <source>Verify password</source>
        <translation>Repite la contraseña</translation>
    </message>
    <message>
        <source>Current Level :</source>
        <translation>Nivel actual:</translation>
    </message>
    <message>
        <source>Current level</source>
        <translation>Nivel actual</translation>
    </message>
    <message>
        <source># of Tests Passed on Current Level :</source>
        <translation>Pruebas aprobadas en el nivel actual:</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Please enter a password.</source>
        <translation>Escribe una contraseña.</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Las contraseñas no coinciden.</translation>
    </message>
    <message>
        <source>Student info</source>
        <translation>Datos del alumno</translation>
    </message>
</context>
<context>
    <name>CStudentProgressWnd</name>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Mastery</source>
        <translation>Dominio</translation>
    </message>
    <message>
        <source>View the overall testing progress</source>
        <translation>Mira tu progreso en las pruebas</translation>
    </message>
    <message>
        <source>Current Progress</source>
        <translation>Gráfica de pruebas</translation>
    </message>
    <message>
        <source>View the results of each test</source>
        <translation>Mira el resultado de cada prueba</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>View a report for all tests taken</source>
        <translation>Mira un informe de todas tus pruebas</translation>
    </message>
    <message>
        <source>Training Report</source>
        <translation>Informe de práctica</translation>
    </message>
    <message>
        <source>View a report for all training and review sessions</source>
        <translation>Mira un informe de todas tus prácticas y repasos</translation>
    </message>
    <message>
        <source>Training Progress</source>
        <translation>Gráfica de práctica</translation>
    </message>
    <message>
        <source>View the results of each training session</source>
        <translation>Mira el resultado de cada práctica</translation>
    </message>
    <message>
        <source>Fact Map</source>
        <translation>Mapa de cuentas</translation>
    </message>
    <message>
        <source>See which facts you know by heart</source>
        <translation>Mira qué cuentas te sabes de memoria</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Current progress graph</source>
        <translation>Gráfica de las pruebas</translation>
    </message>
    <message>
        <source>Mastery graph</source>
        <translation>Gráfica de dominio</translation>
    </message>
    <message>
        <source>Training progress graph</source>
        <translation>Gráfica de la práctica</translation>
    </message>
    <message>
        <source>Test report</source>
        <translation>Informe de pruebas</translation>
    </message>
    <message>
        <source>Every test, newest first</source>
        <translation>Todas tus pruebas, primero la más reciente</translation>
    </message>
    <message>
        <source>Training report</source>
        <translation>Informe de práctica</translation>
    </message>
    <message>
        <source>Every training session and review, newest first</source>
        <translation>Todas tus prácticas y repasos, primero los más recientes</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Testing</source>
        <translation>Prueba</translation>
    </message>
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
        <translation>Los aciertos de cada prueba en el nivel actual.</translation>
    </message>
    <message>
        <source>The level reached by each test.</source>
        <translation>El nivel alcanzado en cada prueba.</translation>
    </message>
</context>
<context>
    <name>CTallyhopApp</name>
    <message>
        <source>You are already running a copy of Tallyhop.</source>
        <translation>Tallyhop ya está abierto.</translation>
    </message>
    <message>
        <source>The required display settings are not available.
Tallyhop requires a display resolution of 800x600 with 16 bit color.</source>
        <translation>La pantalla no tiene la configuración necesaria.
Tallyhop necesita una resolución de 800x600 con color de 16 bits.</translation>
    </message>
    <message>
        <source>Tallyhop needs to change your monitor&apos;s resolution before continuing.
It will be changed back when you exit the program.</source>
        <translation>Tallyhop tiene que cambiar la resolución de la pantalla para continuar.
Se volverá a poner como estaba cuando cierres el programa.</translation>
    </message>
</context>
<context>
    <name>CTeacherWnd</name>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Return to the home screen</source>
        <translation>Vuelve a la pantalla de inicio</translation>
    </message>
    <message>
        <source>Add Student</source>
        <translation>Añadir alumno</translation>
    </message>
    <message>
        <source>Add a new user to the program</source>
        <translation>Añade un usuario nuevo al programa</translation>
    </message>
    <message>
        <source>Edit Student Info</source>
        <translation>Editar alumno</translation>
    </message>
    <message>
        <source>Change information for the selected user</source>
        <translation>Cambia los datos del usuario elegido</translation>
    </message>
    <message>
        <source>Delete Student</source>
        <translation>Borrar alumno</translation>
    </message>
    <message>
        <source>Removes the selected user from the program</source>
        <translation>Quita del programa al usuario elegido</translation>
    </message>
    <message>
        <source>Class Report</source>
        <translation>Informe de clase</translation>
    </message>
    <message>
        <source>See the whole class at a glance</source>
        <translation>Ve toda la clase de un vistazo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>%1 is signed in at another computer. Their information can be changed after they sign out.</source>
        <translation>%1 ha entrado en otro ordenador. Sus datos se podrán cambiar cuando cierre la sesión.</translation>
    </message>
    <message>
        <source>%1 is signed in at another computer and can be deleted after they sign out.</source>
        <translation>%1 ha entrado en otro ordenador y se podrá borrar cuando cierre la sesión.</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Double-click on a student&apos;s name to view his or her progress</source>
        <translation>Haz doble clic en el nombre de un alumno para ver su progreso</translation>
    </message>
    <message>
        <source>The list of %1&apos;s class cannot be read, so the program ends. Please contact the system administrator; the error log says why.</source>
        <translation>No se puede leer la lista de la clase de %1, así que el programa se cierra. Avisa al administrador del sistema; el registro de errores indica el motivo.</translation>
    </message>
    <message>
        <source>Tallyhop - Registration</source>
        <translation>Tallyhop - Registro de alumnos</translation>
    </message>
    <message>
        <source>Please select a user to be deleted.</source>
        <translation>Elige el alumno que quieres borrar.</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Registro de alumnos</translation>
    </message>
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
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo %1: %2.</translation>
    </message>
</context>
<context>
    <name>CTestingWnd</name>
    <message>
        <source>Testing</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Start the test</source>
        <translation>Empieza la prueba</translation>
    </message>
    <message>
        <source>Go back to the home screen</source>
        <translation>Vuelve a la pantalla de inicio</translation>
    </message>
    <message>
        <source>Time to review your mistakes.</source>
        <translation>Es hora de repasar tus errores.</translation>
    </message>
    <message>
        <source>Please contact the system administrator.</source>
        <translation>Avisa al administrador del sistema, por favor.</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Quedan: %1</translation>
    </message>
    <message>
        <source>Click Begin to start the test</source>
        <translation>Pulsa Empezar</translation>
    </message>
    <message>
        <source>Correct: %1</source>
        <translation>Bien: %1</translation>
    </message>
    <message>
        <source>Missed: %1</source>
        <translation>Mal: %1</translation>
    </message>
    <message>
        <source>Click Begin to start the test.</source>
        <translation>Pulsa «Empezar» para comenzar la prueba.</translation>
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
    <name>CTrainingWnd</name>
    <message>
        <source>Training</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>View session graph</source>
        <translation>Ver la gráfica</translation>
    </message>
    <message>
        <source>View report</source>
        <translation>Ver el informe</translation>
    </message>
    <message>
        <source>Select the type of problems
you would like to practice:</source>
        <translation>Elige qué cuentas
quieres practicar:</translation>
    </message>
    <message>
        <source>My facts</source>
        <translation>Para mí</translation>
    </message>
    <message>
        <source>Practise the facts you do not know yet, a few at a time among facts you know</source>
        <translation>Practica las cuentas que aún no te sabes, unas pocas cada vez, entre cuentas que ya sabes</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Choose the length of time
you would like to practice:</source>
        <translation>Elige cuánto tiempo
quieres practicar:</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Enter your goal. This is the number of problems you want to get correct:</source>
        <translation>Escribe tu meta. Es el número de cuentas que quieres acertar:</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>It is time to review your mistakes.</source>
        <translation>Es hora de repasar tus errores.</translation>
    </message>
    <message>
        <source>Let&apos;s practise %1. You are still learning it.</source>
        <translation>Vamos a practicar %1. Todavía la estás aprendiendo.</translation>
    </message>
    <message>
        <source>Let&apos;s practise %1 and %2. You are still learning them.</source>
        <translation>Vamos a practicar %1 y %2. Todavía las estás aprendiendo.</translation>
    </message>
    <message>
        <source>Let&apos;s practise %1, %2 and %3. You are still learning them.</source>
        <translation>Vamos a practicar %1, %2 y %3. Todavía las estás aprendiendo.</translation>
    </message>
    <message>
        <source>Let&apos;s practise %1, %2 and %3 more facts you are still learning.</source>
        <translation>Vamos a practicar %1, %2 y %3 cuentas más que todavía estás aprendiendo.</translation>
    </message>
    <message>
        <source>Let&apos;s get faster at %1.</source>
        <translation>Vamos a hacer %1 más rápido.</translation>
    </message>
    <message>
        <source>Let&apos;s get faster at %1 and %2.</source>
        <translation>Vamos a hacer %1 y %2 más rápido.</translation>
    </message>
    <message>
        <source>Let&apos;s get faster at %1, %2 and %3.</source>
        <translation>Vamos a hacer %1, %2 y %3 más rápido.</translation>
    </message>
    <message>
        <source>Let&apos;s get faster at %1, %2 and %3 more facts.</source>
        <translation>Vamos a hacer más rápido %1, %2 y %3 cuentas más.</translation>
    </message>
    <message>
        <source>Let&apos;s try a new fact: %1.</source>
        <translation>Vamos a probar una cuenta nueva: %1.</translation>
    </message>
    <message>
        <source>Let&apos;s try some new facts, a few at a time.</source>
        <translation>Vamos a probar cuentas nuevas, unas pocas cada vez.</translation>
    </message>
    <message>
        <source>All your facts are new to you. Let&apos;s try them all!</source>
        <translation>Todas tus cuentas son nuevas para ti. ¡Vamos a probarlas todas!</translation>
    </message>
    <message>
        <source>You know all your facts! Let&apos;s keep them quick.</source>
        <translation>¡Te sabes todas tus cuentas! Vamos a seguir haciéndolas rápido.</translation>
    </message>
    <message>
        <source>Please set a goal. This is the number of problems you want to get correct.</source>
        <translation>Pon una meta, por favor. Es el número de cuentas que quieres acertar.</translation>
    </message>
    <message>
        <source>Please contact the system administrator.</source>
        <translation>Avisa al administrador del sistema, por favor.</translation>
    </message>
    <message>
        <source>This training session has been completed. Press OK to view your current progress.</source>
        <translation>Has terminado esta práctica. Pulsa Aceptar para ver tu progreso.</translation>
    </message>
    <message>
        <source>Session graph</source>
        <translation>Gráfica de la práctica</translation>
    </message>
    <message>
        <source>Training report</source>
        <translation>Informe de práctica</translation>
    </message>
    <message>
        <source>Every training session and review, newest first</source>
        <translation>Todas tus prácticas y repasos, primero los más recientes</translation>
    </message>
    <message>
        <source>No training sessions yet</source>
        <translation>Todavía no hay prácticas</translation>
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
    <name>ClassReportList</name>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Tests
passed</source>
        <translation>Pruebas
aprobadas</translation>
    </message>
    <message>
        <source>Last
active</source>
        <translation>Última
actividad</translation>
    </message>
    <message>
        <source>Sessions
this week</source>
        <translation>Sesiones
esta semana</translation>
    </message>
    <message>
        <source>Minutes
this week</source>
        <translation>Minutos
esta semana</translation>
    </message>
    <message>
        <source>Fluent
facts</source>
        <translation>Cuentas
dominadas</translation>
    </message>
    <message>
        <source>Mistakes
to review</source>
        <translation>Errores
por repasar</translation>
    </message>
    <message>
        <source>Needs
attention</source>
        <translation>Necesita
atención</translation>
    </message>
    <message>
        <source>No students yet: Add Student on the class screen adds them.</source>
        <translation>Todavía no hay alumnos: añádelos con Añadir alumno en la pantalla de la clase.</translation>
    </message>
</context>
<context>
    <name>ClassReportWnd</name>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Back to the class list</source>
        <translation>Vuelve a la lista de la clase</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Save the report as a file for a spreadsheet program</source>
        <translation>Guarda el informe en un archivo para una hoja de cálculo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print the report</source>
        <translation>Imprime el informe</translation>
    </message>
    <message>
        <source> : no students</source>
        <translation>: sin alumnos</translation>
    </message>
    <message>
        <source> : 1 student</source>
        <translation>: 1 alumno</translation>
    </message>
    <message numerus="yes">
        <source> : %n students</source>
        <translation>
            <numerusform>: %n alumno</numerusform>
            <numerusform>: %n alumnos</numerusform>
        </translation>
    </message>
    <message>
        <source>Class Report</source>
        <translation>Informe de clase</translation>
    </message>
    <message>
        <source>The list of %1&apos;s class cannot be read. Please contact the system administrator; the error log says why.</source>
        <translation>No se puede leer la lista de la clase de %1. Avisa al administrador del sistema; el registro de errores explica por qué.</translation>
    </message>
    <message>
        <source>Class report</source>
        <translation>Informe de clase</translation>
    </message>
    <message>
        <source>Click a heading to sort by it; double-click a student to view the progress</source>
        <translation>Haz clic en un encabezado para ordenar por él; haz doble clic en un alumno para ver su progreso</translation>
    </message>
    <message>
        <source>A row for each student; a column&apos;s heading sorts by it; a double-click or Return opens the student&apos;s progress</source>
        <translation>Una fila por alumno; el encabezado de una columna ordena por ella; un doble clic o Intro abre el progreso del alumno</translation>
    </message>
    <message>
        <source> : class %1, no students</source>
        <extracomment>After &quot;Class Report&quot;: the class&apos;s name, then how many students it has.</extracomment>
        <translation>: clase %1, sin alumnos</translation>
    </message>
    <message>
        <source> : class %1, 1 student</source>
        <translation>: clase %1, 1 alumno</translation>
    </message>
    <message numerus="yes">
        <source> : class %1, %n students</source>
        <translation>
            <numerusform>: clase %1, %n alumno</numerusform>
            <numerusform>: clase %1, %n alumnos</numerusform>
        </translation>
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
    <name>FactMapView</name>
    <message>
        <source>Fluent</source>
        <translation>Dominadas</translation>
    </message>
    <message>
        <source>Right but slow</source>
        <translation>Lentas</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Falladas</translation>
    </message>
    <message>
        <source>Not tried yet</source>
        <translation>Nuevas</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>right, in %1 seconds or less</source>
        <translation>bien, en %1 segundos o menos</translation>
    </message>
    <message>
        <source>right, but over %1 seconds</source>
        <translation>bien, pero en más de %1 segundos</translation>
    </message>
    <message>
        <source>wrong, or still to review</source>
        <translation>mal, o aún por repasar</translation>
    </message>
    <message>
        <source>not answered yet</source>
        <translation>aún sin responder</translation>
    </message>
    <message>
        <source>usually %1</source>
        <translation>normalmente %1</translation>
    </message>
    <message>
        <source>not tried yet</source>
        <translation>sin probar todavía</translation>
    </message>
    <message>
        <source>on the mistake list</source>
        <translation>en la lista de errores</translation>
    </message>
    <message>
        <source>wrong last time</source>
        <translation>mal la última vez</translation>
    </message>
    <message>
        <source>%1 = %2 — %3</source>
        <translation>%1 = %2 — %3</translation>
    </message>
    <message>
        <source>1 try</source>
        <translation>1 intento</translation>
    </message>
    <message numerus="yes">
        <source>%n tries</source>
        <translation>
            <numerusform>%n intento</numerusform>
            <numerusform>%n intentos</numerusform>
        </translation>
    </message>
    <message>
        <source>the last on %1</source>
        <translation>el último el %1</translation>
    </message>
    <message>
        <source>%2 holds no %1 facts. Please tell your teacher.</source>
        <translation>%2 no tiene cuentas de %1. Díselo a tu maestra o maestro.</translation>
    </message>
    <message>
        <source>The %1 facts cannot be read from %2. Please tell your teacher.</source>
        <translation>No se pueden leer las cuentas de %1 de %2. Díselo a tu maestra o maestro.</translation>
    </message>
    <message>
        <source>Fact map</source>
        <translation>Mapa de cuentas</translation>
    </message>
    <message>
        <source>%1 facts</source>
        <translation>Cuentas: %1</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>No se puede leer</translation>
    </message>
    <message>
        <source>%1: no facts to show</source>
        <translation>%1: no hay cuentas que mostrar</translation>
    </message>
    <message>
        <source>%1: %2 of %3 fluent</source>
        <translation>%1: %2 de %3 dominadas</translation>
    </message>
    <message>
        <source>Fluent: %1.</source>
        <translation>Dominadas: %1.</translation>
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
    <name>FactSummaryTile</name>
    <message>
        <source>%1 fluent</source>
        <translation>%1 dominadas</translation>
    </message>
    <message>
        <source>%1 slow</source>
        <translation>%1 lentas</translation>
    </message>
    <message>
        <source>%1 missed</source>
        <translation>%1 falladas</translation>
    </message>
    <message>
        <source>%1 not tried</source>
        <translation>%1 nuevas</translation>
    </message>
    <message>
        <source>Show the %1 facts</source>
        <translation>Ver las cuentas: %1</translation>
    </message>
    <message>
        <source>Shows the %1 facts</source>
        <translation>Muestra las cuentas: %1</translation>
    </message>
    <message>
        <source>%1: no facts to show</source>
        <translation>%1: no hay cuentas que mostrar</translation>
    </message>
    <message>
        <source>%1: %2 of %3 fluent</source>
        <translation>%1: %2 de %3 dominadas</translation>
    </message>
    <message>
        <source>Show the facts ›</source>
        <translation>Ver las cuentas ›</translation>
    </message>
    <message>
        <source>%1 of %2 fluent</source>
        <translation>%1 de %2 dominadas</translation>
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
    <name>HeaderBar</name>
    <message>
        <source>User: %1</source>
        <translation>Nombre: %1</translation>
    </message>
    <message>
        <source>no tests passed</source>
        <translation>ninguna prueba aprobada</translation>
    </message>
    <message>
        <source>1 test passed</source>
        <translation>1 prueba aprobada</translation>
    </message>
    <message numerus="yes">
        <source>%n tests passed</source>
        <translation>
            <numerusform>%n prueba aprobada</numerusform>
            <numerusform>%n pruebas aprobadas</numerusform>
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
        <translation>Tallyhop - Hoja de errores de %1</translation>
    </message>
    <message>
        <source>Review Sheet</source>
        <translation>Hoja de repaso</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>Name :</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Con «Añadir alumno», un niño recibe un nombre y una contraseña.</translation>
    </message>
    <message>
        <source>Edit Student changes a password or a level.</source>
        <translation>Con «Editar alumno» cambias una contraseña o un nivel.</translation>
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
    <name>PrintClassReport</name>
    <message>
        <source>Class Report</source>
        <translation>Informe de clase</translation>
    </message>
    <message>
        <source>Tallyhop - Class report</source>
        <translation>Tallyhop - Informe de clase</translation>
    </message>
</context>
<context>
    <name>PrinterSetup</name>
    <message>
        <source>An error occurred while printing.
Check your printer settings and try again.</source>
        <translation>Se ha producido un error al imprimir.
Revisa la configuración de la impresora y vuelve a intentarlo.</translation>
    </message>
</context>
<context>
    <name>RefusedInputNote</name>
    <message>
        <source>At most %1 characters.</source>
        <translation>Como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The letter %1 was left out: records cannot store it.</source>
        <translation>Letra quitada (no se puede guardar): %1</translation>
    </message>
    <message>
        <source>The letters %1 were left out: records cannot store them.</source>
        <translation>Letras quitadas (no se pueden guardar): %1</translation>
    </message>
    <message>
        <source>A tab or another control character was left out.</source>
        <translation>Se ha quitado un tabulador u otro carácter de control.</translation>
    </message>
</context>
<context>
    <name>ReportList</name>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completo</translation>
    </message>
    <message>
        <source>Problems / Min</source>
        <translation>Cuentas / min</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Faltan</translation>
    </message>
    <message>
        <source>Cumulative Time</source>
        <translation>Tiempo total</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Intentos</translation>
    </message>
</context>
<context>
    <name>RosterFile</name>
    <message>
        <source>the file has no column %1.</source>
        <translation>el archivo no tiene la columna %1.</translation>
    </message>
    <message>
        <source>the file lists no students.</source>
        <translation>el archivo no tiene ningún alumno.</translation>
    </message>
    <message>
        <source>a quotation mark is not closed.</source>
        <translation>unas comillas no están cerradas.</translation>
    </message>
    <message>
        <source>the teacher has no name.</source>
        <translation>el docente no tiene nombre.</translation>
    </message>
    <message>
        <source>the class has no name.</source>
        <translation>la clase no tiene nombre.</translation>
    </message>
    <message>
        <source>the student has no name.</source>
        <translation>el alumno no tiene nombre.</translation>
    </message>
    <message>
        <source>the teacher&apos;s name %1 has more than %2 characters.</source>
        <translation>el nombre del docente %1 tiene más de %2 caracteres.</translation>
    </message>
    <message>
        <source>the class&apos;s name %1 has more than %2 characters.</source>
        <translation>el nombre de la clase %1 tiene más de %2 caracteres.</translation>
    </message>
    <message>
        <source>the name %1 has more than %2 characters.</source>
        <translation>el nombre %1 tiene más de %2 caracteres.</translation>
    </message>
    <message>
        <source>the teacher&apos;s name %1 cannot hold %2.</source>
        <translation>el nombre del docente %1 no puede llevar %2.</translation>
    </message>
    <message>
        <source>the class&apos;s name %1 cannot hold %2.</source>
        <translation>el nombre de la clase %1 no puede llevar %2.</translation>
    </message>
    <message>
        <source>the name %1 cannot hold %2.</source>
        <translation>el nombre %1 no puede llevar %2.</translation>
    </message>
    <message>
        <source>%1 has no password.</source>
        <translation>%1 no tiene contraseña.</translation>
    </message>
    <message>
        <source>the student has no password.</source>
        <translation>el alumno no tiene contraseña.</translation>
    </message>
    <message>
        <source>the password of %1 has more than %2 characters.</source>
        <translation>la contraseña de %1 tiene más de %2 caracteres.</translation>
    </message>
    <message>
        <source>the password of the student has more than %1 characters.</source>
        <translation>la contraseña del alumno tiene más de %1 caracteres.</translation>
    </message>
    <message>
        <source>the password of %1 holds a letter the records cannot store or a control character.</source>
        <translation>la contraseña de %1 lleva una letra que los datos no pueden guardar o un carácter de control.</translation>
    </message>
    <message>
        <source>the password of the student holds a letter the records cannot store or a control character.</source>
        <translation>la contraseña del alumno lleva una letra que los datos no pueden guardar o un carácter de control.</translation>
    </message>
    <message>
        <source>the teacher %1 has another password here than on line %2.</source>
        <translation>el docente %1 tiene aquí otra contraseña que en la línea %2.</translation>
    </message>
    <message>
        <source>the teacher %1 has another password here than in the options.</source>
        <translation>el docente %1 tiene aquí otra contraseña que en las opciones.</translation>
    </message>
    <message>
        <source>the teacher %1 has a password on none of the rows.</source>
        <translation>el docente %1 no tiene contraseña en ninguna fila.</translation>
    </message>
    <message>
        <source>the level %1 is not a number from 1 to 5.</source>
        <translation>el nivel %1 no es un número del 1 al 5.</translation>
    </message>
    <message>
        <source>the tests passed %1 are not 0, 1 or 2.</source>
        <translation>las pruebas aprobadas %1 no son 0, 1 ni 2.</translation>
    </message>
    <message>
        <source>the student %1 is on line %2 already.</source>
        <translation>el alumno %1 ya está en la línea %2.</translation>
    </message>
    <message>
        <source>the student %1 is given twice.</source>
        <translation>el alumno %1 aparece dos veces.</translation>
    </message>
    <message>
        <source>the name %1 is already that of a person or of a class file in the data folder.</source>
        <translation>el nombre %1 ya es el de una persona o el de un archivo de clase en la carpeta de datos.</translation>
    </message>
    <message>
        <source>the class would have more than %1 students.</source>
        <translation>la clase tendría más de %1 alumnos.</translation>
    </message>
    <message>
        <source>the class %1 would have more than %2 students.</source>
        <translation>la clase %1 tendría más de %2 alumnos.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
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
<context>
    <name>SortingHeader</name>
    <message>
        <source>Column headings</source>
        <translation>Encabezados de columna</translation>
    </message>
    <message>
        <source>Left and Right choose a column. Space or Return sorts by it.</source>
        <translation>Con las flechas izquierda y derecha eliges una columna; con Espacio o Intro ordenas por ella.</translation>
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
        <source>Please contact the system administrator.</source>
        <translation>Avisa al administrador del sistema, por favor.</translation>
    </message>
    <message>
        <source>Are you sure that you want to delete %1&apos;s account? %1&apos;s records, mistakes and progress will be deleted for good.</source>
        <translation>¿Seguro que quieres borrar la cuenta de %1? Los datos, los errores y el progreso de %1 se borrarán para siempre.</translation>
    </message>
    <message>
        <source>The records of %1 cannot be read. Please contact the system administrator; the error log says why.</source>
        <translation>No se pueden leer los datos de %1. Avisa al administrador del sistema; el registro de errores indica el motivo.</translation>
    </message>
    <message>
        <source>Invalid character(s) in name. A name cannot hold %1.</source>
        <translation>El nombre tiene caracteres no válidos. Un nombre no puede llevar %1.</translation>
    </message>
    <message>
        <source>You may not have more than 8 users at a time.</source>
        <translation>No puede haber más de 8 usuarios a la vez.</translation>
    </message>
    <message>
        <source>You may not have more than %1 students in a class.</source>
        <translation>No puedes tener más de %1 alumnos en una clase.</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Escribe un nombre.</translation>
    </message>
    <message>
        <source>The name has more than %1 characters.</source>
        <translation>El nombre tiene más de %1 caracteres.</translation>
    </message>
    <message>
        <source>The name is already taken, please enter a different name.</source>
        <translation>Ese nombre ya existe; escribe otro, por favor.</translation>
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
<context>
    <name>StudentListCtl</name>
    <message>
        <source>Level - Tests Passed</source>
        <translation>Nivel - Pruebas aprobadas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
</context>
</TS>
