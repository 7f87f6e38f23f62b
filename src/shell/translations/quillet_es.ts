<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CoreMessages</name>
    <message>
        <source>The stopwatch holds %1 for task %2 that is not in its Hours. Add it before closing?</source>
        <translation>El cronómetro tiene %1 para la tarea %2 que no están en sus horas. ¿Añadirlo antes de cerrar?</translation>
    </message>
    <message>
        <source>Timing task %1</source>
        <translation>Cronometrando la tarea %1</translation>
    </message>
    <message>
        <source>Timing task %1: %2</source>
        <translation>Cronometrando la tarea %1: %2</translation>
    </message>
    <message>
        <source>Time task %1</source>
        <translation>Cronometrar la tarea %1</translation>
    </message>
    <message>
        <source>Time task %1: %2</source>
        <translation>Cronometrar la tarea %1: %2</translation>
    </message>
    <message>
        <source>The stopwatch holds %1 that is not in any task&apos;s Hours. Add it to the selected task before closing?</source>
        <translation>El cronómetro tiene %1 que no están en las horas de ninguna tarea. ¿Añadirlo a la tarea seleccionada antes de cerrar?</translation>
    </message>
    <message>
        <source>The stopwatch holds %1 for task %2 (%3) that is not in its Hours. Add it before closing?</source>
        <translation>El cronómetro tiene %1 para la tarea %2 (%3) que no están en sus horas. ¿Añadirlo antes de cerrar?</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Add</source>
        <translation>&amp;No añadir</translation>
    </message>
    <message>
        <source>The stopwatch holds %1 for no task. Add it to task %2 before timing it, or discard it?</source>
        <translation>El cronómetro tiene %1 sin tarea. ¿Añadirlo a la tarea %2 antes de cronometrarla, o descartarlo?</translation>
    </message>
    <message>
        <source>&amp;Add to this task</source>
        <translation>&amp;Añadir a esta tarea</translation>
    </message>
    <message>
        <source>D&amp;iscard it</source>
        <translation>&amp;Descartarlo</translation>
    </message>
    <message>
        <source>Timed today %1 h · Week %2 h</source>
        <translation>Cronometrado hoy %1 h · Semana %2 h</translation>
    </message>
    <message>
        <source>There is no task %1</source>
        <translation>No hay ninguna tarea %1</translation>
    </message>
    <message>
        <source>The stopwatch holds time for no task: book it or reset it first</source>
        <translation>El cronómetro tiene tiempo sin tarea: añádalo o póngalo a cero primero</translation>
    </message>
    <message>
        <source>Task %1 is gone from the table: the stopwatch keeps its time, for no task</source>
        <translation>La tarea %1 ya no está en la tabla: el cronómetro conserva su tiempo, sin tarea</translation>
    </message>
    <message>
        <source>Cannot open file %1: not a regular file</source>
        <translation>No se puede abrir el archivo %1: no es un archivo normal</translation>
    </message>
    <message>
        <source>Cannot open file %1: it asks for a grid of %2 columns and %3 rows, more than the %4 columns and %5 rows a project can have</source>
        <translation>No se puede abrir el archivo %1: pide una tabla de %2 columnas y %3 filas, más que las %4 columnas y %5 filas que puede tener un proyecto</translation>
    </message>
    <message>
        <source>Cannot open file %1: it asks for a grid of %2 columns and %3 rows, more than the %4 cells a project can have</source>
        <translation>No se puede abrir el archivo %1: pide una tabla de %2 columnas y %3 filas, más que las %4 celdas que puede tener un proyecto</translation>
    </message>
    <message>
        <source>Cannot open file %1: it holds more than the %2 columns or %3 rows a project can have</source>
        <translation>No se puede abrir el archivo %1: contiene más de las %2 columnas o %3 filas que puede tener un proyecto</translation>
    </message>
    <message>
        <source>Cannot open file %1: it holds more than the %2 cells a project can have</source>
        <translation>No se puede abrir el archivo %1: contiene más de las %2 celdas que puede tener un proyecto</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Cannot read file %1: it holds a line of more than %2</source>
        <translation>No se puede leer el archivo %1: contiene una línea de más de %2</translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>No se puede leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot write file %1: out of memory</source>
        <translation>No se puede escribir el archivo %1: no hay memoria suficiente</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot Create %1</source>
        <translation>No se puede crear %1</translation>
    </message>
    <message>
        <source>Cannot create %1: not a regular file</source>
        <translation>No se puede crear %1: no es un archivo normal</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>No se puede crear %1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>Cannot rename %1</source>
        <translation>No se puede cambiar el nombre de %1</translation>
    </message>
    <message>
        <source>Cannot create a folder without a name</source>
        <translation>No se puede crear una carpeta sin nombre</translation>
    </message>
    <message>
        <source>Cannot create folder %1: %2</source>
        <translation>No se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>Cannot change to folder %1: %2</source>
        <translation>No se puede cambiar a la carpeta %1: %2</translation>
    </message>
    <message>
        <source>%1 is not private</source>
        <translation>La carpeta %1 no es privada</translation>
    </message>
    <message>
        <source>no folder for backups (HOME is not set)</source>
        <translation>no hay carpeta para las copias de seguridad (HOME no está definida)</translation>
    </message>
    <message>
        <source>Cannot print to printer %1</source>
        <translation>No se puede imprimir en la impresora %1</translation>
    </message>
    <message>
        <source>Cannot print to file %1</source>
        <translation>No se puede imprimir en el archivo %1</translation>
    </message>
    <message>
        <source>The printer reported an error while printing.</source>
        <translation>La impresora ha informado de un error durante la impresión.</translation>
    </message>
    <message>
        <source>Cannot export %1: a workbook sheet holds at most 1,048,576 rows.</source>
        <translation>No se puede exportar %1: una hoja de cálculo admite como máximo 1.048.576 filas.</translation>
    </message>
    <message>
        <source>Cannot export %1: a workbook sheet holds at most 16,384 columns.</source>
        <translation>No se puede exportar %1: una hoja de cálculo admite como máximo 16.384 columnas.</translation>
    </message>
    <message>
        <source>Cannot export %1: the text in cell %2 is longer than the 32,767 characters a workbook cell holds.</source>
        <translation>No se puede exportar %1: el texto de la celda %2 supera los 32.767 caracteres que admite una celda de hoja de cálculo.</translation>
    </message>
    <message>
        <source>Cannot export to %1: the name must end in .xlsx, .ods or .csv</source>
        <translation>No se puede exportar a %1: el nombre debe terminar en .xlsx, .ods o .csv</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportado a %1</translation>
    </message>
    <message>
        <source>The grid cannot hold that many cells</source>
        <translation>La tabla no admite tantas celdas</translation>
    </message>
    <message>
        <source>The grid cannot have %1 columns and %2 rows, more than the %3 columns and %4 rows a project can have</source>
        <translation>La tabla no puede tener %1 columnas y %2 filas, más que las %3 columnas y %4 filas que puede tener un proyecto</translation>
    </message>
    <message>
        <source>The grid cannot have %1 columns and %2 rows, more than the %3 cells a project can have</source>
        <translation>La tabla no puede tener %1 columnas y %2 filas, más que las %3 celdas que puede tener un proyecto</translation>
    </message>
    <message>
        <source>Grid index out of range</source>
        <translation>Índice de la tabla fuera de rango</translation>
    </message>
    <message>
        <source>Fixed row count must be less than row count</source>
        <translation>El número de filas fijas debe ser menor que el número de filas</translation>
    </message>
    <message>
        <source>A cell cannot hold more than 4 GB</source>
        <translation>Una celda no puede contener más de 4 GB</translation>
    </message>
    <message>
        <source>The clipboard holds more cells than a project can have</source>
        <translation>El portapapeles contiene más celdas de las que puede tener un proyecto</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>«%1» no es una fecha y hora válida</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid number of hours</source>
        <translation>«%1» no es un número de horas válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
        <source>This change cannot be undone (too large)</source>
        <translation>Este cambio no se puede deshacer (es demasiado grande)</translation>
    </message>
    <message>
        <source>Please select the first column of the row you want to delete.</source>
        <translation>Seleccione la primera columna de la fila que quiere eliminar.</translation>
    </message>
    <message>
        <source>Sorry, no search text has been entered</source>
        <translation>No se ha introducido ningún texto que buscar</translation>
    </message>
    <message>
        <source>Sorry, next &quot;%1&quot; not found.</source>
        <translation>No se ha encontrado ningún «%1» más.</translation>
    </message>
    <message>
        <source>Sorry, &quot;%1&quot; not found.</source>
        <translation>No se ha encontrado «%1».</translation>
    </message>
    <message>
        <source>Select a task row first</source>
        <translation>Seleccione primero la fila de una tarea</translation>
    </message>
    <message>
        <source>Added %1 h to task %2</source>
        <translation>Se han añadido %1 h a la tarea %2</translation>
    </message>
    <message>
        <source>Error calculating total...</source>
        <translation>Error al calcular el total...</translation>
    </message>
    <message>
        <source>1 task has Hours or Cost that is not a number</source>
        <translation>1 tarea tiene en Horas o Coste un valor que no es un número</translation>
    </message>
    <message>
        <source>%1 tasks have Hours or Cost that are not numbers</source>
        <translation>%1 tareas tienen en Horas o Coste valores que no son números</translation>
    </message>
    <message>
        <source>You were away from %1 to %2 (%3) while the stopwatch was running.</source>
        <translation>Ha estado ausente de %1 a %2 (%3) mientras el cronómetro estaba en marcha.</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>&amp;Keep the time</source>
        <translation>&amp;Conservar el tiempo</translation>
    </message>
    <message>
        <source>&amp;Remove the away time</source>
        <translation>&amp;Quitar el tiempo de ausencia</translation>
    </message>
    <message>
        <source>&amp;Stop at %1</source>
        <translation>&amp;Detener en %1</translation>
    </message>
    <message>
        <source>The stopwatch has been running for %1 hour.</source>
        <translation>El cronómetro lleva %1 hora en marcha.</translation>
    </message>
    <message>
        <source>The stopwatch has been running for %1 hours.</source>
        <translation>El cronómetro lleva %1 horas en marcha.</translation>
    </message>
    <message>
        <source>Quillet1 - track your time</source>
        <translation>Quillet1 - lleve el control de su tiempo</translation>
    </message>
    <message>
        <source>Viewing details for %1</source>
        <translation>Detalles de %1</translation>
    </message>
    <message>
        <source>Untitled Project</source>
        <translation>Proyecto sin título</translation>
    </message>
    <message>
        <source>Do you want to save the current project?</source>
        <translation>¿Quiere guardar el proyecto actual?</translation>
    </message>
    <message>
        <source>Please use Save Project As option for the first-time save of this file.</source>
        <translation>Use la opción «Guardar proyecto como» para guardar este archivo por primera vez.</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it.</source>
        <translation>Otro programa ha modificado %1 desde que lo abrió.</translation>
    </message>
    <message>
        <source>%1 is no longer on disk; saving will write it anew</source>
        <translation>%1 ya no está en el disco; al guardar se escribirá de nuevo</translation>
    </message>
    <message>
        <source>%1 changed on disk; saving will ask before overwriting</source>
        <translation>%1 ha cambiado en el disco; al guardar se preguntará antes de sobrescribirlo</translation>
    </message>
    <message>
        <source>%1 changed on disk and could not be read: %2</source>
        <translation>%1 ha cambiado en el disco y no se ha podido leer: %2</translation>
    </message>
    <message>
        <source>%1 changed on disk but is not a project file; the table was kept</source>
        <translation>%1 ha cambiado en el disco pero no es un archivo de proyecto; se ha conservado la tabla</translation>
    </message>
    <message>
        <source>Reloaded: changed on disk</source>
        <translation>Recargado: ha cambiado en el disco</translation>
    </message>
    <message>
        <source>%1 is not a Quillet1 project file. Replace it with this project?</source>
        <translation>%1 no es un archivo de proyecto de Quillet1. ¿Quiere reemplazarlo por este proyecto?</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Sobrescribir</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Converted to the new format; the original was kept as %1</source>
        <translation>Convertido al formato nuevo; el original se ha conservado como %1</translation>
    </message>
    <message>
        <source>Error converting file to new format...</source>
        <translation>Error al convertir el archivo al formato nuevo...</translation>
    </message>
    <message>
        <source>Quillet1 did not close normally. Recover the unsaved changes to %1 from %2? (An older copy of it is kept too.)</source>
        <translation>Quillet1 no se cerró correctamente. ¿Quiere recuperar los cambios sin guardar de %1 del %2? (También se conserva una copia más antigua.)</translation>
    </message>
    <message>
        <source>Quillet1 did not close normally. Recover the unsaved changes to %1 from %2? (%3 older copies of it are kept too.)</source>
        <translation>Quillet1 no se cerró correctamente. ¿Quiere recuperar los cambios sin guardar de %1 del %2? (También se conservan %3 copias más antiguas.)</translation>
    </message>
    <message>
        <source>Quillet1 did not close normally. Recover the unsaved changes to %1 from %2?</source>
        <translation>Quillet1 no se cerró correctamente. ¿Quiere recuperar los cambios sin guardar de %1 del %2?</translation>
    </message>
    <message>
        <source>The recovery copy of %1 from %2 is damaged; it was kept in %3</source>
        <translation>La copia de recuperación de %1 del %2 está dañada; se ha conservado en %3</translation>
    </message>
    <message>
        <source>The recovery note %1 is damaged; it and its copy were kept in %2</source>
        <translation>La nota de recuperación %1 está dañada; ella y su copia se han conservado en %2</translation>
    </message>
    <message>
        <source>Backup skipped: %1</source>
        <translation>Copia de seguridad omitida: %1</translation>
    </message>
    <message>
        <source>Recovery copy not written: %1</source>
        <translation>No se ha escrito la copia de recuperación: %1</translation>
    </message>
    <message>
        <source>Backups are off: %1</source>
        <translation>Copias de seguridad desactivadas: %1</translation>
    </message>
    <message>
        <source>Recovery copies are off: %1</source>
        <translation>Copias de recuperación desactivadas: %1</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
    <message>
        <source>Timer: %1</source>
        <translation>Cronómetro: %1</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de datos no válido para «%1»</translation>
    </message>
    <message>
        <source>Failed to create key %1</source>
        <translation>No se ha podido crear la clave %1</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>No se han podido establecer los datos de «%1»</translation>
    </message>
    <message>
        <source>Add total to bottom of grid</source>
        <translation>Añadir el total al final de la tabla</translation>
    </message>
    <message>
        <source>Add New Task</source>
        <translation>Añadir tarea nueva</translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation>Eliminar tarea</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Typing in %1</source>
        <translation>Escribir en %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Sort by Task #</source>
        <translation>Ordenar por n.º de tarea</translation>
    </message>
    <message>
        <source>Sort by Task Date</source>
        <translation>Ordenar por fecha de tarea</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Add Timer to Task Hours</source>
        <translation>Añadir el tiempo del cronómetro a las horas de la tarea</translation>
    </message>
    <message>
        <source>Change Column Names</source>
        <translation>Cambiar nombres de columnas</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Primer día</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tareas</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coste</translation>
    </message>
    <message>
        <source>No program could open the manual. It is the file
%1
and opens in any web browser.</source>
        <translation>Ningún programa pudo abrir el manual. Es el archivo
%1
y se abre en cualquier navegador web.</translation>
    </message>
    <message>
        <source>Week %1, %2</source>
        <translation>Semana %1, %2</translation>
    </message>
    <message>
        <source>%1
Hours: %2
Cost: %3
Tasks: %4</source>
        <translation>%1
Horas: %2
Coste: %3
Tareas: %4</translation>
    </message>
    <message>
        <source>No period has hours</source>
        <translation>Ningún periodo tiene horas</translation>
    </message>
    <message>
        <source>No period has a cost</source>
        <translation>Ningún periodo tiene coste</translation>
    </message>
    <message>
        <source>week %1</source>
        <translation>semana %1</translation>
    </message>
    <message>
        <source>Largest: %1, %2 h</source>
        <translation>El mayor: %1, %2 h</translation>
    </message>
    <message>
        <source>Largest: %1, cost %2</source>
        <translation>El mayor: %1, coste %2</translation>
    </message>
    <message>
        <source>No date</source>
        <translation>Sin fecha</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>No tasks from %1 to %2</source>
        <translation>Sin tareas desde %1 hasta %2</translation>
    </message>
    <message>
        <source>Cannot export %1: it does not look like a project file</source>
        <translation>No se puede exportar %1: no parece un archivo de proyecto</translation>
    </message>
    <message>
        <source>%1 changed on disk and is now %2 bytes, too large to reload unasked; the table was kept</source>
        <translation>%1 cambió en el disco y ahora ocupa %2 bytes, demasiado para volver a cargarlo sin preguntar; se conservó la tabla</translation>
    </message>
    <message>
        <source>%1 does not look like a project file</source>
        <translation>%1 no parece un archivo de proyecto</translation>
    </message>
    <message>
        <source>Cannot export %1: the spreadsheet writer could not be loaded (%2)</source>
        <translation>No se puede exportar %1: no se pudo cargar el módulo de hojas de cálculo (%2)</translation>
    </message>
    <message>
        <source>&amp;Book until %1</source>
        <translation>&amp;Anotar hasta las %1</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reanudar</translation>
    </message>
    <message>
        <source>Cannot read the work log %1: %2</source>
        <translation>No se puede leer el registro de trabajo %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the work log %1: %2</source>
        <translation>No se puede escribir el registro de trabajo %1: %2</translation>
    </message>
    <message>
        <source>Some lines of the work log %1 could not be read and were skipped; the rest is kept:%2</source>
        <translation>Algunas líneas del registro de trabajo %1 no se pudieron leer y se omitieron; el resto se conserva:%2</translation>
    </message>
    <message>
        <source>Task %1 is not in the table: the time stays in the work log, unbooked</source>
        <translation>La tarea %1 no está en la tabla: el tiempo queda en el registro de trabajo, sin anotar</translation>
    </message>
    <message>
        <source>Task %1 “%2” was being timed from %3 until Quillet1 stopped (last seen %4).</source>
        <translation>La tarea %1 «%2» se estaba cronometrando desde las %3 hasta que Quillet1 se detuvo (visto por última vez a las %4).</translation>
    </message>
    <message>
        <source>The stopwatch times another task: the %1 taken back stays in the work log, unbooked</source>
        <translation>El cronómetro mide otra tarea: los %1 recuperados quedan en el registro de trabajo, sin anotar</translation>
    </message>
    <message>
        <source>The stopwatch was running from %1 until Quillet1 stopped (last seen %2).</source>
        <translation>El cronómetro estaba en marcha desde las %1 hasta que Quillet1 se detuvo (visto por última vez a las %2).</translation>
    </message>
    <message>
        <source>%1 has no work log (%2)</source>
        <translation>%1 no tiene registro de trabajo (%2)</translation>
    </message>
    <message>
        <source>A session cannot end before it starts</source>
        <translation>Una sesión no puede terminar antes de empezar</translation>
    </message>
    <message>
        <source>Cannot export to %1: the name must end in .ics, .csv, .xlsx or .ods</source>
        <translation>No se puede exportar a %1: el nombre debe terminar en .ics, .csv, .xlsx u .ods</translation>
    </message>
    <message>
        <source>Change Work Log</source>
        <translation>Cambiar el registro de trabajo</translation>
    </message>
    <message>
        <source>Hours of task %1 changed by %2 h</source>
        <translation>Horas de la tarea %1 cambiadas en %2 h</translation>
    </message>
    <message>
        <source>Task %1 is not in the table: its Hours cannot follow the change</source>
        <translation>La tarea %1 no está en la tabla: sus horas no pueden seguir el cambio</translation>
    </message>
    <message>
        <source>That session is no longer in the work log</source>
        <translation>Esa sesión ya no está en el registro de trabajo</translation>
    </message>
    <message>
        <source>The stopwatch is not running</source>
        <translation>El cronómetro no está en marcha</translation>
    </message>
    <message>
        <source>The stopwatch is timing this session: stop it before deleting it</source>
        <translation>El cronómetro está midiendo esta sesión: deténgalo antes de eliminarla</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Delete the session of task %1 on %2 from %3 to %4?</source>
        <translation>¿Eliminar la sesión de la tarea %1 del %2 de %3 a %4?</translation>
    </message>
    <message>
        <source>Its time also comes off the task&apos;s Hours; Undo puts it back.</source>
        <translation>Su tiempo también se resta de las horas de la tarea; Deshacer lo devuelve.</translation>
    </message>
    <message>
        <source>It is not booked: this cannot be undone.</source>
        <translation>No está anotada: esto no se puede deshacer.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Time This &amp;Task</source>
        <translation>Cronometrar es&amp;ta tarea</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Nuevo proyecto</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>&amp;Abrir proyecto...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>Clear this Reopen file list</source>
        <translation>Vaciar esta lista de archivos recientes</translation>
    </message>
    <message>
        <source>&amp;Import old file (CSV format)</source>
        <translation>&amp;Importar archivo antiguo (formato CSV)</translation>
    </message>
    <message>
        <source>Expor&amp;t...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>&amp;Guardar proyecto</translation>
    </message>
    <message>
        <source>Sav&amp;e Project As...</source>
        <translation>Guardar proyecto &amp;como...</translation>
    </message>
    <message>
        <source>Restore &amp;Backup...</source>
        <translation>Res&amp;taurar copia de seguridad...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Change Column Names</source>
        <translation>&amp;Cambiar nombres de columnas</translation>
    </message>
    <message>
        <source>Change Font Settings</source>
        <translation>Cambiar tipo de letra</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Vista preliminar...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copiar todo</translation>
    </message>
    <message>
        <source>&amp;Add New Task</source>
        <translation>&amp;Añadir tarea nueva</translation>
    </message>
    <message>
        <source>&amp;Delete Task</source>
        <translation>&amp;Eliminar tarea</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Fi&amp;nd Again</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Reset Highlighted Cells</source>
        <translation>Quitar el resaltado de las celdas</translation>
    </message>
    <message>
        <source>Calculate &amp;Total for current project</source>
        <translation>Calcular el &amp;total del proyecto actual</translation>
    </message>
    <message>
        <source>&amp;Timer</source>
        <translation>&amp;Cronómetro</translation>
    </message>
    <message>
        <source>&amp;S - Start/Resume Timer</source>
        <translation>&amp;S - Iniciar/reanudar el cronómetro</translation>
    </message>
    <message>
        <source>&amp;X - Stop Timer</source>
        <translation>&amp;X - Detener el cronómetro</translation>
    </message>
    <message>
        <source>&amp;Reset Timer</source>
        <translation>&amp;Poner a cero el cronómetro</translation>
    </message>
    <message>
        <source>Add Timer to Task &amp;Hours</source>
        <translation>Añadir el tiempo del cronómetro a las &amp;horas de la tarea</translation>
    </message>
    <message>
        <source>Stop&amp;watch Settings...</source>
        <translation>&amp;Configuración del cronómetro...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Calendar...</source>
        <translation>&amp;Calendario...</translation>
    </message>
    <message>
        <source>S&amp;ummary...</source>
        <translation>&amp;Resumen...</translation>
    </message>
    <message>
        <source>&amp;Sort by Task #</source>
        <translation>&amp;Ordenar por n.º de tarea</translation>
    </message>
    <message>
        <source>Sort by Task Date</source>
        <translation>Ordenar por fecha de tarea</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Help &amp;Contents...</source>
        <translation>&amp;Contenido de la ayuda...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de Quillet1...</translation>
    </message>
    <message>
        <source>&amp;Visit Quillet1 home page...</source>
        <translation>&amp;Visitar la página web de Quillet1...</translation>
    </message>
    <message>
        <source>Quillet1 Toolbar</source>
        <translation>Barra de herramientas de Quillet1</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Nuevo proyecto</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Abrir proyecto</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Guardar proyecto</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Add New Task</source>
        <translation>Añadir tarea nueva</translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation>Eliminar tarea</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Mostrar la ventana</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Ocultar la ventana</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Add new Task</source>
        <translation>&amp;Añadir tarea nueva</translation>
    </message>
    <message>
        <source>&amp;Delete current Task</source>
        <translation>&amp;Eliminar la tarea actual</translation>
    </message>
    <message>
        <source>&amp;Recalculate Total for project</source>
        <translation>&amp;Recalcular el total del proyecto</translation>
    </message>
    <message>
        <source>&amp;Add total to bottom of grid </source>
        <translation>&amp;Añadir el total al final de la tabla </translation>
    </message>
    <message>
        <source>Cut &amp;Selection</source>
        <translation>C&amp;ortar</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>S&amp;uprimir</translation>
    </message>
    <message>
        <source>Work &amp;Log...</source>
        <translation>Registro de &amp;trabajo...</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Printing the project...</source>
        <translation>Imprimiendo el proyecto...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <source>Project files (*.prj);;All files (*)</source>
        <translation>Archivos de proyecto (*.prj);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Delimited text (*.csv *.txt *.tsv *.prj);;All files (*)</source>
        <translation>Texto con delimitadores (*.csv *.txt *.tsv *.prj);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save Project File</source>
        <translation>Guardar archivo de proyecto</translation>
    </message>
    <message>
        <source>Open Project File</source>
        <translation>Abrir archivo de proyecto</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Libro de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>OpenDocument spreadsheet (*.ods)</source>
        <translation>Hoja de cálculo OpenDocument (*.ods)</translation>
    </message>
    <message>
        <source>CSV, comma-separated (*.csv)</source>
        <translation>CSV, separado por comas (*.csv)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Export Work Log</source>
        <translation>Exportar el registro de trabajo</translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>Timed task</source>
        <translation>Tarea cronometrada</translation>
    </message>
    <message>
        <source>Today and this week</source>
        <translation>Hoy y esta semana</translation>
    </message>
    <message>
        <source>Timer: %1</source>
        <translation>Cronómetro: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Cronómetro</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>quillet::FindDialog</name>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>quillet::Form1</name>
    <message>
        <source>Total Cost/Fees for current project: $</source>
        <translation>Coste/honorarios totales del proyecto actual: $</translation>
    </message>
    <message>
        <source>Right-click for options</source>
        <translation>Pulse con el botón derecho para ver las opciones</translation>
    </message>
    <message>
        <source>Working on the project file...</source>
        <translation>Trabajando con el archivo del proyecto...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
</context>
<context>
    <name>quillet::FrmAbout</name>
    <message>
        <source>About Quillet1</source>
        <translation>Acerca de Quillet1</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Nombre del producto</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Web site:</source>
        <translation>Sitio web:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>Correo electrónico:</translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>Información:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>This program allows you to track where you spend your time - which tasks, projects, etc.  I welcome your feedback.</source>
        <translation>Este programa le permite registrar en qué emplea su tiempo: en qué tareas, proyectos, etc.  Sus comentarios serán bienvenidos.</translation>
    </message>
</context>
<context>
    <name>quillet::FrmCal</name>
    <message>
        <source>Quillet1 - Calendar</source>
        <translation>Quillet1 - Calendario</translation>
    </message>
</context>
<context>
    <name>quillet::FrmColumnNames</name>
    <message>
        <source>Quillet1 - Change Column Names</source>
        <translation>Quillet1 - Cambiar nombres de columnas</translation>
    </message>
    <message>
        <source>Column %1:</source>
        <translation>Columna %1:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>NOTE:  If you use the word &quot;date&quot; or &quot;Date&quot; in the name, the data will automatically be formatted as mm/dd/yyyy for you.</source>
        <translation>NOTA:  Si el nombre contiene la palabra inglesa «date» o «Date», los datos de la columna se formatearán automáticamente como fechas.</translation>
    </message>
</context>
<context>
    <name>quillet::FrmRestoreBackup</name>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Fecha de guardado</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tareas</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Show &amp;Folder</source>
        <translation>Mostrar la &amp;carpeta</translation>
    </message>
    <message>
        <source>Show Folder</source>
        <translation>Mostrar la carpeta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>quillet::FrmStopwatchSettings</name>
    <message>
        <source>&amp;Book time to</source>
        <translation>&amp;Anotar el tiempo en</translation>
    </message>
    <message>
        <source>the task&apos;s row</source>
        <translation>la fila de la tarea</translation>
    </message>
    <message>
        <source>a row per day</source>
        <translation>una fila por día</translation>
    </message>
    <message>
        <source>Book time to</source>
        <translation>Anotar el tiempo en</translation>
    </message>
    <message>
        <source>Idle time from the X server</source>
        <translation>Tiempo de inactividad del servidor X</translation>
    </message>
    <message>
        <source>Idle time from the desktop (D-Bus)</source>
        <translation>Tiempo de inactividad del escritorio (D-Bus)</translation>
    </message>
    <message>
        <source>No idle time available on this desktop: time away cannot be noticed</source>
        <translation>Este escritorio no proporciona el tiempo de inactividad: no se puede detectar la ausencia</translation>
    </message>
    <message>
        <source>0 (never)</source>
        <translation>0 (nunca)</translation>
    </message>
    <message>
        <source>0 = never</source>
        <translation>0 = nunca</translation>
    </message>
    <message>
        <source>Quillet1 - Stopwatch Settings</source>
        <translation>Quillet1 - Configuración del cronómetro</translation>
    </message>
    <message>
        <source>Ask about time &amp;away after</source>
        <translation>Preguntar por el tiempo de &amp;ausencia tras</translation>
    </message>
    <message>
        <source>minutes without input</source>
        <translation>minutos sin actividad</translation>
    </message>
    <message>
        <source>Re&amp;mind me after the stopwatch has run for</source>
        <translation>A&amp;visarme cuando el cronómetro lleve en marcha</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
</context>
<context>
    <name>quillet::FrmSummary</name>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Summary by period</source>
        <translation>Resumen por periodo</translation>
    </message>
    <message>
        <source>Select the first of them in the task table</source>
        <translation>Seleccionar la primera de ellas en la tabla de tareas</translation>
    </message>
    <message>
        <source>Tasks of the selected period</source>
        <translation>Tareas del periodo seleccionado</translation>
    </message>
    <message>
        <source>Task #</source>
        <translation>N.º de tarea</translation>
    </message>
    <message>
        <source>Task Description</source>
        <translation>Descripción de la tarea</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coste</translation>
    </message>
    <message>
        <source>&amp;Hours</source>
        <translation>&amp;Horas</translation>
    </message>
    <message>
        <source>Chart the hours</source>
        <translation>Representar las horas en el gráfico</translation>
    </message>
    <message>
        <source>C&amp;ost</source>
        <translation>C&amp;oste</translation>
    </message>
    <message>
        <source>Chart the cost</source>
        <translation>Representar el coste en el gráfico</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the summary</source>
        <translation>Copiar el resumen</translation>
    </message>
    <message>
        <source>Group by</source>
        <translation>Agrupar por</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>&amp;Group by</source>
        <translation>&amp;Agrupar por</translation>
    </message>
    <message>
        <source>Date to group by</source>
        <translation>Fecha por la que agrupar</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Fecha de inicio</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Fecha de fin</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Fecha</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Desde</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Fecha inicial</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>Has&amp;ta</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Fecha final</translation>
    </message>
    <message>
        <source>Summary — %1</source>
        <translation>Resumen — %1</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>Export the summary to a file</source>
        <translation>Exportar el resumen a un archivo</translation>
    </message>
</context>
<context>
    <name>quillet::FrmWorkLog</name>
    <message>
        <source>Quillet1 - Work Log</source>
        <translation>Quillet1 - Registro de trabajo</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Sesiones</translation>
    </message>
    <message>
        <source>Each day of the period with its total, and below it the day&apos;s sessions</source>
        <translation>Cada día del periodo con su total y, debajo, las sesiones del día</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Cambiar...</translation>
    </message>
    <message>
        <source>Change the session&apos;s times</source>
        <translation>Cambiar las horas de la sesión</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Delete the session</source>
        <translation>Eliminar la sesión</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>Add a session by hand</source>
        <translation>Añadir una sesión a mano</translation>
    </message>
    <message>
        <source>Started &amp;Earlier...</source>
        <translation>Empe&amp;zó antes...</translation>
    </message>
    <message>
        <source>Move the running session&apos;s start back</source>
        <translation>Adelantar el inicio de la sesión en marcha</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>Export the work log to a file</source>
        <translation>Exportar el registro de trabajo a un archivo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the work log</source>
        <translation>Cerrar el registro de trabajo</translation>
    </message>
    <message>
        <source>Show a day or a week</source>
        <translation>Mostrar un día o una semana</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>Date of the day or week shown</source>
        <translation>Fecha del día o de la semana mostrados</translation>
    </message>
    <message>
        <source>&amp;of</source>
        <translation>&amp;del</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Hoy</translation>
    </message>
    <message>
        <source>Show today</source>
        <translation>Mostrar hoy</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Previous day or week (%1)</source>
        <translation>Día o semana anterior (%1)</translation>
    </message>
    <message>
        <source>Next day or week (%1)</source>
        <translation>Día o semana siguiente (%1)</translation>
    </message>
    <message>
        <source>No sessions in this period</source>
        <translation>No hay sesiones en este periodo</translation>
    </message>
    <message>
        <source>%1, %2 worked</source>
        <translation>%1, %2 trabajados</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <source>Total for %1: %2</source>
        <translation>Total (%1): %2</translation>
    </message>
    <message>
        <source>running</source>
        <translation>en marcha</translation>
    </message>
    <message>
        <source>This session overlaps another one</source>
        <translation>Esta sesión se solapa con otra</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>(no task)</source>
        <translation>(sin tarea)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En marcha</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Interrumpida</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>Anotada</translation>
    </message>
    <message>
        <source>Added by hand</source>
        <translation>Añadida a mano</translation>
    </message>
    <message>
        <source>Overlaps</source>
        <translation>Solapamiento</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Change Session</source>
        <translation>Cambiar la sesión</translation>
    </message>
    <message>
        <source>Task:</source>
        <translation>Tarea:</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Inicio:</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;Fin:</translation>
    </message>
    <message>
        <source>The session is running: it ends when the stopwatch stops.</source>
        <translation>La sesión está en marcha: termina cuando se detiene el cronómetro.</translation>
    </message>
    <message>
        <source>Add Session</source>
        <translation>Añadir una sesión</translation>
    </message>
    <message>
        <source>&amp;Task:</source>
        <translation>&amp;Tarea:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>Fec&amp;ha:</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>Started Earlier</source>
        <translation>Empezó antes</translation>
    </message>
    <message>
        <source>Minutes earlier</source>
        <translation>Minutos antes</translation>
    </message>
    <message>
        <source>Started this many &amp;minutes earlier:</source>
        <translation>Empezó estos &amp;minutos antes:</translation>
    </message>
</context>
<context>
    <name>quillet::GridView</name>
    <message>
        <source>Tasks</source>
        <translation>Tareas</translation>
    </message>
</context>
<context>
    <name>quillet::SummaryChartView</name>
    <message>
        <source>Summary chart</source>
        <translation>Gráfico del resumen</translation>
    </message>
</context>
<context>
    <name>quillet::GridModel</name>
    <message>
        <source>Timed task</source>
        <translation>Tarea cronometrada</translation>
    </message>
</context>
</TS>
