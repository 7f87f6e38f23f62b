<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CoreMessages</name>
    <message>
        <source>The stopwatch holds %1 for task %2 that is not in its Hours. Add it before closing?</source>
        <translation>Le chronomètre contient %1 pour la tâche %2 qui ne figure pas dans ses heures. L&apos;ajouter avant de fermer ?</translation>
    </message>
    <message>
        <source>Timing task %1</source>
        <translation>Chronométrage de la tâche %1</translation>
    </message>
    <message>
        <source>Timing task %1: %2</source>
        <translation>Chronométrage de la tâche %1 : %2</translation>
    </message>
    <message>
        <source>Time task %1</source>
        <translation>Chronométrer la tâche %1</translation>
    </message>
    <message>
        <source>Time task %1: %2</source>
        <translation>Chronométrer la tâche %1 : %2</translation>
    </message>
    <message>
        <source>The stopwatch holds %1 that is not in any task&apos;s Hours. Add it to the selected task before closing?</source>
        <translation>Le chronomètre contient %1 qui ne figure dans les heures d&apos;aucune tâche. L&apos;ajouter à la tâche sélectionnée avant de fermer ?</translation>
    </message>
    <message>
        <source>The stopwatch holds %1 for task %2 (%3) that is not in its Hours. Add it before closing?</source>
        <translation>Le chronomètre contient %1 pour la tâche %2 (%3) qui ne figure pas dans ses heures. L&apos;ajouter avant de fermer ?</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Add</source>
        <translation>&amp;Ne pas ajouter</translation>
    </message>
    <message>
        <source>The stopwatch holds %1 for no task. Add it to task %2 before timing it, or discard it?</source>
        <translation>Le chronomètre contient %1 pour aucune tâche. L&apos;ajouter à la tâche %2 avant de la chronométrer, ou l&apos;abandonner ?</translation>
    </message>
    <message>
        <source>&amp;Add to this task</source>
        <translation>&amp;Ajouter à cette tâche</translation>
    </message>
    <message>
        <source>D&amp;iscard it</source>
        <translation>A&amp;bandonner</translation>
    </message>
    <message>
        <source>Timed today %1 h · Week %2 h</source>
        <translation>Chronométré aujourd'hui %1 h · Semaine %2 h</translation>
    </message>
    <message>
        <source>There is no task %1</source>
        <translation>Il n&apos;y a pas de tâche %1</translation>
    </message>
    <message>
        <source>The stopwatch holds time for no task: book it or reset it first</source>
        <translation>Le chronomètre contient du temps pour aucune tâche : ajoutez-le ou remettez-le à zéro d&apos;abord</translation>
    </message>
    <message>
        <source>Task %1 is gone from the table: the stopwatch keeps its time, for no task</source>
        <translation>La tâche %1 n&apos;est plus dans le tableau : le chronomètre garde son temps, pour aucune tâche</translation>
    </message>
    <message>
        <source>Cannot open file %1: not a regular file</source>
        <translation>Impossible d&apos;ouvrir le fichier %1&#xa0;: ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot open file %1: it asks for a grid of %2 columns and %3 rows, more than the %4 columns and %5 rows a project can have</source>
        <translation>Impossible d&apos;ouvrir le fichier %1&#xa0;: il demande un tableau de %2 colonnes et %3 lignes, alors qu&apos;un projet peut avoir au plus %4 colonnes et %5 lignes</translation>
    </message>
    <message>
        <source>Cannot open file %1: it asks for a grid of %2 columns and %3 rows, more than the %4 cells a project can have</source>
        <translation>Impossible d&apos;ouvrir le fichier %1&#xa0;: il demande un tableau de %2 colonnes et %3 lignes, alors qu&apos;un projet peut avoir au plus %4 cellules</translation>
    </message>
    <message>
        <source>Cannot open file %1: it holds more than the %2 columns or %3 rows a project can have</source>
        <translation>Impossible d&apos;ouvrir le fichier %1&#xa0;: il contient plus que les %2 colonnes ou les %3 lignes qu&apos;un projet peut avoir</translation>
    </message>
    <message>
        <source>Cannot open file %1: it holds more than the %2 cells a project can have</source>
        <translation>Impossible d&apos;ouvrir le fichier %1&#xa0;: il contient plus que les %2 cellules qu&apos;un projet peut avoir</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Cannot read file %1: it holds a line of more than %2</source>
        <translation>Impossible de lire le fichier %1&#xa0;: il contient une ligne de plus de %2</translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>Impossible de lire le fichier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write file %1: out of memory</source>
        <translation>Impossible d&apos;écrire le fichier %1&#xa0;: mémoire insuffisante</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot Create %1</source>
        <translation>Impossible de créer %1</translation>
    </message>
    <message>
        <source>Cannot create %1: not a regular file</source>
        <translation>Impossible de créer %1&#xa0;: ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Impossible de créer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot rename %1</source>
        <translation>Impossible de renommer %1</translation>
    </message>
    <message>
        <source>Cannot create a folder without a name</source>
        <translation>Impossible de créer un dossier sans nom</translation>
    </message>
    <message>
        <source>Cannot create folder %1: %2</source>
        <translation>Impossible de créer le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot change to folder %1: %2</source>
        <translation>Impossible d&apos;accéder au dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not private</source>
        <translation>%1 n&apos;est pas privé</translation>
    </message>
    <message>
        <source>no folder for backups (HOME is not set)</source>
        <translation>aucun dossier pour les sauvegardes (HOME n&apos;est pas défini)</translation>
    </message>
    <message>
        <source>Cannot print to printer %1</source>
        <translation>Impossible d&apos;imprimer sur l&apos;imprimante %1</translation>
    </message>
    <message>
        <source>Cannot print to file %1</source>
        <translation>Impossible d&apos;imprimer dans le fichier %1</translation>
    </message>
    <message>
        <source>The printer reported an error while printing.</source>
        <translation>L&apos;imprimante a signalé une erreur pendant l&apos;impression.</translation>
    </message>
    <message>
        <source>Cannot export %1: a workbook sheet holds at most 1,048,576 rows.</source>
        <translation>Impossible d&apos;exporter %1&#xa0;: une feuille de classeur contient au plus 1&#xa0;048&#xa0;576 lignes.</translation>
    </message>
    <message>
        <source>Cannot export %1: a workbook sheet holds at most 16,384 columns.</source>
        <translation>Impossible d&apos;exporter %1&#xa0;: une feuille de classeur contient au plus 16&#xa0;384 colonnes.</translation>
    </message>
    <message>
        <source>Cannot export %1: the text in cell %2 is longer than the 32,767 characters a workbook cell holds.</source>
        <translation>Impossible d&apos;exporter %1&#xa0;: le texte de la cellule %2 dépasse les 32&#xa0;767 caractères que peut contenir une cellule de classeur.</translation>
    </message>
    <message>
        <source>Cannot export to %1: the name must end in .xlsx, .ods or .csv</source>
        <translation>Impossible d&apos;exporter vers %1&#xa0;: le nom doit se terminer par .xlsx, .ods ou .csv</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exporté vers %1</translation>
    </message>
    <message>
        <source>The grid cannot hold that many cells</source>
        <translation>Le tableau ne peut pas contenir autant de cellules</translation>
    </message>
    <message>
        <source>The grid cannot have %1 columns and %2 rows, more than the %3 columns and %4 rows a project can have</source>
        <translation>Le tableau ne peut pas avoir %1 colonnes et %2 lignes, alors qu&apos;un projet peut avoir au plus %3 colonnes et %4 lignes</translation>
    </message>
    <message>
        <source>The grid cannot have %1 columns and %2 rows, more than the %3 cells a project can have</source>
        <translation>Le tableau ne peut pas avoir %1 colonnes et %2 lignes, alors qu&apos;un projet peut avoir au plus %3 cellules</translation>
    </message>
    <message>
        <source>Grid index out of range</source>
        <translation>Index du tableau hors limites</translation>
    </message>
    <message>
        <source>Fixed row count must be less than row count</source>
        <translation>Le nombre de lignes fixes doit être inférieur au nombre de lignes</translation>
    </message>
    <message>
        <source>A cell cannot hold more than 4 GB</source>
        <translation>Une cellule ne peut pas contenir plus de 4&#xa0;Go</translation>
    </message>
    <message>
        <source>The clipboard holds more cells than a project can have</source>
        <translation>Le presse-papiers contient plus de cellules qu&apos;un projet ne peut en avoir</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une date et une heure valides</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid number of hours</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre d&apos;heures valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>This change cannot be undone (too large)</source>
        <translation>Cette modification ne pourra pas être annulée (trop volumineuse)</translation>
    </message>
    <message>
        <source>Please select the first column of the row you want to delete.</source>
        <translation>Veuillez sélectionner la première colonne de la ligne à supprimer.</translation>
    </message>
    <message>
        <source>Sorry, no search text has been entered</source>
        <translation>Désolé, aucun texte à rechercher n&apos;a été saisi</translation>
    </message>
    <message>
        <source>Sorry, next &quot;%1&quot; not found.</source>
        <translation>Désolé, aucune autre occurrence de «&#xa0;%1&#xa0;» n&apos;a été trouvée.</translation>
    </message>
    <message>
        <source>Sorry, &quot;%1&quot; not found.</source>
        <translation>Désolé, «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <source>Select a task row first</source>
        <translation>Sélectionnez d&apos;abord la ligne d&apos;une tâche</translation>
    </message>
    <message>
        <source>Added %1 h to task %2</source>
        <translation>Ajout de %1&#xa0;h à la tâche %2</translation>
    </message>
    <message>
        <source>Error calculating total...</source>
        <translation>Erreur lors du calcul du total...</translation>
    </message>
    <message>
        <source>1 task has Hours or Cost that is not a number</source>
        <translation>1 tâche a des heures ou un coût non numériques</translation>
    </message>
    <message>
        <source>%1 tasks have Hours or Cost that are not numbers</source>
        <translation>%1 tâches ont des heures ou un coût non numériques</translation>
    </message>
    <message>
        <source>You were away from %1 to %2 (%3) while the stopwatch was running.</source>
        <translation>Absence de %1 à %2 (%3) pendant que le chronomètre tournait.</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1&#xa0;h %2&#xa0;min</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1&#xa0;min</translation>
    </message>
    <message>
        <source>&amp;Keep the time</source>
        <translation>&amp;Garder le temps</translation>
    </message>
    <message>
        <source>&amp;Remove the away time</source>
        <translation>&amp;Retirer le temps d&apos;absence</translation>
    </message>
    <message>
        <source>&amp;Stop at %1</source>
        <translation>&amp;Arrêter à %1</translation>
    </message>
    <message>
        <source>The stopwatch has been running for %1 hour.</source>
        <translation>Le chronomètre tourne depuis %1&#xa0;heure.</translation>
    </message>
    <message>
        <source>The stopwatch has been running for %1 hours.</source>
        <translation>Le chronomètre tourne depuis %1&#xa0;heures.</translation>
    </message>
    <message>
        <source>Quillet1 - track your time</source>
        <translation>Quillet1 - le suivi de votre temps</translation>
    </message>
    <message>
        <source>Viewing details for %1</source>
        <translation>Détails de %1</translation>
    </message>
    <message>
        <source>Untitled Project</source>
        <translation>Projet sans titre</translation>
    </message>
    <message>
        <source>Do you want to save the current project?</source>
        <translation>Voulez-vous enregistrer le projet en cours&#xa0;?</translation>
    </message>
    <message>
        <source>Please use Save Project As option for the first-time save of this file.</source>
        <translation>Veuillez utiliser «&#xa0;Enregistrer le projet sous&#xa0;» pour le premier enregistrement de ce fichier.</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it.</source>
        <translation>%1 a été modifié par un autre programme depuis que vous l&apos;avez ouvert.</translation>
    </message>
    <message>
        <source>%1 is no longer on disk; saving will write it anew</source>
        <translation>%1 n&apos;est plus sur le disque&#xa0;; l&apos;enregistrement le recréera</translation>
    </message>
    <message>
        <source>%1 changed on disk; saving will ask before overwriting</source>
        <translation>%1 a été modifié sur le disque&#xa0;; l&apos;enregistrement demandera confirmation avant de l&apos;écraser</translation>
    </message>
    <message>
        <source>%1 changed on disk and could not be read: %2</source>
        <translation>%1 a été modifié sur le disque et n&apos;a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 changed on disk but is not a project file; the table was kept</source>
        <translation>%1 a été modifié sur le disque mais n&apos;est pas un fichier de projet&#xa0;; le tableau a été conservé</translation>
    </message>
    <message>
        <source>Reloaded: changed on disk</source>
        <translation>Rechargé&#xa0;: modifié sur le disque</translation>
    </message>
    <message>
        <source>%1 is not a Quillet1 project file. Replace it with this project?</source>
        <translation>%1 n&apos;est pas un fichier de projet Quillet1. Le remplacer par ce projet&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>É&amp;craser</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Converted to the new format; the original was kept as %1</source>
        <translation>Converti au nouveau format&#xa0;; l&apos;original a été conservé sous le nom %1</translation>
    </message>
    <message>
        <source>Error converting file to new format...</source>
        <translation>Erreur lors de la conversion du fichier au nouveau format...</translation>
    </message>
    <message>
        <source>Quillet1 did not close normally. Recover the unsaved changes to %1 from %2? (An older copy of it is kept too.)</source>
        <translation>Quillet1 ne s&apos;est pas fermé normalement. Récupérer les modifications non enregistrées de %1 datant du %2&#xa0;? (Une copie plus ancienne est également conservée.)</translation>
    </message>
    <message>
        <source>Quillet1 did not close normally. Recover the unsaved changes to %1 from %2? (%3 older copies of it are kept too.)</source>
        <translation>Quillet1 ne s&apos;est pas fermé normalement. Récupérer les modifications non enregistrées de %1 datant du %2&#xa0;? (%3 copies plus anciennes sont également conservées.)</translation>
    </message>
    <message>
        <source>Quillet1 did not close normally. Recover the unsaved changes to %1 from %2?</source>
        <translation>Quillet1 ne s&apos;est pas fermé normalement. Récupérer les modifications non enregistrées de %1 datant du %2&#xa0;?</translation>
    </message>
    <message>
        <source>The recovery copy of %1 from %2 is damaged; it was kept in %3</source>
        <translation>La copie de récupération de %1 datant du %2 est endommagée&#xa0;; elle a été conservée dans %3</translation>
    </message>
    <message>
        <source>The recovery note %1 is damaged; it and its copy were kept in %2</source>
        <translation>La note de récupération %1 est endommagée&#xa0;; elle et sa copie ont été conservées dans %2</translation>
    </message>
    <message>
        <source>Backup skipped: %1</source>
        <translation>Sauvegarde non effectuée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Recovery copy not written: %1</source>
        <translation>Copie de récupération non écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>Backups are off: %1</source>
        <translation>Sauvegardes désactivées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Recovery copies are off: %1</source>
        <translation>Copies de récupération désactivées&#xa0;: %1</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s&apos;est produite.</translation>
    </message>
    <message>
        <source>Timer: %1</source>
        <translation>Chronomètre&#xa0;: %1</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Type de données non valide pour «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Failed to create key %1</source>
        <translation>Impossible de créer la clé %1</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossible d&apos;enregistrer les données de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Add total to bottom of grid</source>
        <translation>l&apos;ajout du total au bas du tableau</translation>
    </message>
    <message>
        <source>Add New Task</source>
        <translation>l&apos;ajout d&apos;une nouvelle tâche</translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation>la suppression de la tâche</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>le collage</translation>
    </message>
    <message>
        <source>Typing in %1</source>
        <translation>la saisie dans %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>la saisie</translation>
    </message>
    <message>
        <source>Sort by Task #</source>
        <translation>le tri par n° de tâche</translation>
    </message>
    <message>
        <source>Sort by Task Date</source>
        <translation>le tri par date de tâche</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>l&apos;action Couper</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>la suppression</translation>
    </message>
    <message>
        <source>Add Timer to Task Hours</source>
        <translation>l&apos;ajout du temps chronométré aux heures de la tâche</translation>
    </message>
    <message>
        <source>Change Column Names</source>
        <translation>la modification des noms des colonnes</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Premier jour</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tâches</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>No program could open the manual. It is the file
%1
and opens in any web browser.</source>
        <translation>Aucun programme n&apos;a pu ouvrir le manuel. C&apos;est le fichier
%1
et il s&apos;ouvre dans n&apos;importe quel navigateur web.</translation>
    </message>
    <message>
        <source>Week %1, %2</source>
        <translation>Semaine %1, %2</translation>
    </message>
    <message>
        <source>%1
Hours: %2
Cost: %3
Tasks: %4</source>
        <translation>%1
Heures&#xa0;: %2
Coût&#xa0;: %3
Tâches&#xa0;: %4</translation>
    </message>
    <message>
        <source>No period has hours</source>
        <translation>Aucune période n&apos;a d&apos;heures</translation>
    </message>
    <message>
        <source>No period has a cost</source>
        <translation>Aucune période n&apos;a de coût</translation>
    </message>
    <message>
        <source>week %1</source>
        <translation>semaine %1</translation>
    </message>
    <message>
        <source>Largest: %1, %2 h</source>
        <translation>Le plus grand&#xa0;: %1, %2 h</translation>
    </message>
    <message>
        <source>Largest: %1, cost %2</source>
        <translation>Le plus grand&#xa0;: %1, coût %2</translation>
    </message>
    <message>
        <source>No date</source>
        <translation>Sans date</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>No tasks from %1 to %2</source>
        <translation>Aucune tâche de %1 à %2</translation>
    </message>
    <message>
        <source>Cannot export %1: it does not look like a project file</source>
        <translation>Impossible d&apos;exporter %1 : ce fichier ne ressemble pas à un fichier de projet</translation>
    </message>
    <message>
        <source>%1 changed on disk and is now %2 bytes, too large to reload unasked; the table was kept</source>
        <translation>%1 a été modifié sur le disque et fait maintenant %2 octets, trop pour être rechargé sans demander ; le tableau a été conservé</translation>
    </message>
    <message>
        <source>%1 does not look like a project file</source>
        <translation>%1 ne ressemble pas à un fichier de projet</translation>
    </message>
    <message>
        <source>Cannot export %1: the spreadsheet writer could not be loaded (%2)</source>
        <translation>Impossible d&apos;exporter %1&#xa0;: le module d&apos;écriture des classeurs n&apos;a pas pu être chargé (%2)</translation>
    </message>
    <message>
        <source>&amp;Book until %1</source>
        <translation>&amp;Comptabiliser jusqu&apos;à %1</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>A&amp;bandonner</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>Cannot read the work log %1: %2</source>
        <translation>Impossible de lire le journal de travail %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write the work log %1: %2</source>
        <translation>Impossible d&apos;écrire le journal de travail %1 : %2</translation>
    </message>
    <message>
        <source>Some lines of the work log %1 could not be read and were skipped; the rest is kept:%2</source>
        <translation>Certaines lignes du journal de travail %1 n&apos;ont pas pu être lues et ont été ignorées ; le reste est conservé :%2</translation>
    </message>
    <message>
        <source>Task %1 is not in the table: the time stays in the work log, unbooked</source>
        <translation>La tâche %1 n&apos;est pas dans le tableau : le temps reste dans le journal de travail, non comptabilisé</translation>
    </message>
    <message>
        <source>Task %1 “%2” was being timed from %3 until Quillet1 stopped (last seen %4).</source>
        <translation>La tâche %1 « %2 » était chronométrée depuis %3 jusqu&apos;à l&apos;arrêt de Quillet1 (vu pour la dernière fois à %4).</translation>
    </message>
    <message>
        <source>The stopwatch times another task: the %1 taken back stays in the work log, unbooked</source>
        <translation>Le chronomètre mesure une autre tâche : les %1 repris restent dans le journal de travail, non comptabilisés</translation>
    </message>
    <message>
        <source>The stopwatch was running from %1 until Quillet1 stopped (last seen %2).</source>
        <translation>Le chronomètre tournait depuis %1 jusqu&apos;à l&apos;arrêt de Quillet1 (vu pour la dernière fois à %2).</translation>
    </message>
    <message>
        <source>%1 has no work log (%2)</source>
        <translation>%1 n&apos;a pas de journal de travail (%2)</translation>
    </message>
    <message>
        <source>A session cannot end before it starts</source>
        <translation>Une session ne peut pas finir avant de commencer</translation>
    </message>
    <message>
        <source>Cannot export to %1: the name must end in .ics, .csv, .xlsx or .ods</source>
        <translation>Impossible d&apos;exporter vers %1 : le nom doit se terminer par .ics, .csv, .xlsx ou .ods</translation>
    </message>
    <message>
        <source>Change Work Log</source>
        <translation>Modifier le journal de travail</translation>
    </message>
    <message>
        <source>Hours of task %1 changed by %2 h</source>
        <translation>Heures de la tâche %1 modifiées de %2 h</translation>
    </message>
    <message>
        <source>Task %1 is not in the table: its Hours cannot follow the change</source>
        <translation>La tâche %1 n&apos;est pas dans le tableau : ses heures ne peuvent pas suivre la modification</translation>
    </message>
    <message>
        <source>That session is no longer in the work log</source>
        <translation>Cette session n&apos;est plus dans le journal de travail</translation>
    </message>
    <message>
        <source>The stopwatch is not running</source>
        <translation>Le chronomètre ne tourne pas</translation>
    </message>
    <message>
        <source>The stopwatch is timing this session: stop it before deleting it</source>
        <translation>Le chronomètre mesure cette session : arrêtez-le avant de la supprimer</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Delete the session of task %1 on %2 from %3 to %4?</source>
        <translation>Supprimer la session de la tâche %1 du %2 de %3 à %4 ?</translation>
    </message>
    <message>
        <source>Its time also comes off the task&apos;s Hours; Undo puts it back.</source>
        <translation>Son temps est aussi retiré des heures de la tâche ; Annuler le remet.</translation>
    </message>
    <message>
        <source>It is not booked: this cannot be undone.</source>
        <translation>Elle n&apos;est pas comptabilisée : cela ne peut pas être annulé.</translation>
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
        <translation>Chrono&amp;métrer cette tâche</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Nouveau projet</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>&amp;Ouvrir un projet...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>&amp;Rouvrir</translation>
    </message>
    <message>
        <source>Clear this Reopen file list</source>
        <translation>Vider cette liste de fichiers à rouvrir</translation>
    </message>
    <message>
        <source>&amp;Import old file (CSV format)</source>
        <translation>Importer un &amp;ancien fichier (format CSV)</translation>
    </message>
    <message>
        <source>Expor&amp;t...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>&amp;Enregistrer le projet</translation>
    </message>
    <message>
        <source>Sav&amp;e Project As...</source>
        <translation>Enregistrer le projet so&amp;us...</translation>
    </message>
    <message>
        <source>Restore &amp;Backup...</source>
        <translation>Restaurer une &amp;sauvegarde...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>O&amp;ptions</translation>
    </message>
    <message>
        <source>&amp;Change Column Names</source>
        <translation>&amp;Modifier les noms des colonnes</translation>
    </message>
    <message>
        <source>Change Font Settings</source>
        <translation>Modifier la police</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Aperçu a&amp;vant impression...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Tout copier</translation>
    </message>
    <message>
        <source>&amp;Add New Task</source>
        <translation>Ajouter une &amp;nouvelle tâche</translation>
    </message>
    <message>
        <source>&amp;Delete Task</source>
        <translation>&amp;Supprimer la tâche</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>Rec&amp;hercher</translation>
    </message>
    <message>
        <source>Fi&amp;nd Again</source>
        <translation>Rechercher le sui&amp;vant</translation>
    </message>
    <message>
        <source>Reset Highlighted Cells</source>
        <translation>Retirer la mise en évidence des cellules</translation>
    </message>
    <message>
        <source>Calculate &amp;Total for current project</source>
        <translation>Calculer le &amp;total du projet en cours</translation>
    </message>
    <message>
        <source>&amp;Timer</source>
        <translation>&amp;Chronomètre</translation>
    </message>
    <message>
        <source>&amp;S - Start/Resume Timer</source>
        <translation>&amp;S - Démarrer/reprendre le chronomètre</translation>
    </message>
    <message>
        <source>&amp;X - Stop Timer</source>
        <translation>&amp;X - Arrêter le chronomètre</translation>
    </message>
    <message>
        <source>&amp;Reset Timer</source>
        <translation>&amp;Remettre le chronomètre à zéro</translation>
    </message>
    <message>
        <source>Add Timer to Task &amp;Hours</source>
        <translation>Ajouter le temps chronométré aux &amp;heures de la tâche</translation>
    </message>
    <message>
        <source>Stop&amp;watch Settings...</source>
        <translation>&amp;Paramètres du chronomètre...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Calendar...</source>
        <translation>&amp;Calendrier...</translation>
    </message>
    <message>
        <source>S&amp;ummary...</source>
        <translation>&amp;Récapitulatif...</translation>
    </message>
    <message>
        <source>&amp;Sort by Task #</source>
        <translation>&amp;Trier par n° de tâche</translation>
    </message>
    <message>
        <source>Sort by Task Date</source>
        <translation>Trier par date de tâche</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Help &amp;Contents...</source>
        <translation>&amp;Sommaire de l&apos;aide...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos de Quillet1...</translation>
    </message>
    <message>
        <source>&amp;Visit Quillet1 home page...</source>
        <translation>&amp;Visiter le site web de Quillet1...</translation>
    </message>
    <message>
        <source>Quillet1 Toolbar</source>
        <translation>Barre d&apos;outils Quillet1</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Nouveau projet</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Add New Task</source>
        <translation>Ajouter une nouvelle tâche</translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation>Supprimer la tâche</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Afficher la fenêtre</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Masquer la fenêtre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Add new Task</source>
        <translation>Ajouter une &amp;nouvelle tâche</translation>
    </message>
    <message>
        <source>&amp;Delete current Task</source>
        <translation>&amp;Supprimer la tâche courante</translation>
    </message>
    <message>
        <source>&amp;Recalculate Total for project</source>
        <translation>&amp;Recalculer le total du projet</translation>
    </message>
    <message>
        <source>&amp;Add total to bottom of grid </source>
        <translation>&amp;Ajouter le total au bas du tableau </translation>
    </message>
    <message>
        <source>Cut &amp;Selection</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Work &amp;Log...</source>
        <translation>&amp;Journal de travail...</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Printing the project...</source>
        <translation>Impression du projet...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <source>Project files (*.prj);;All files (*)</source>
        <translation>Fichiers de projet (*.prj);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Delimited text (*.csv *.txt *.tsv *.prj);;All files (*)</source>
        <translation>Texte délimité (*.csv *.txt *.tsv *.prj);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save Project File</source>
        <translation>Enregistrer le fichier de projet</translation>
    </message>
    <message>
        <source>Open Project File</source>
        <translation>Ouvrir un fichier de projet</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Classeur Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>OpenDocument spreadsheet (*.ods)</source>
        <translation>Classeur OpenDocument (*.ods)</translation>
    </message>
    <message>
        <source>CSV, comma-separated (*.csv)</source>
        <translation>CSV, séparé par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Export Work Log</source>
        <translation>Exporter le journal de travail</translation>
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
        <translation>Tâche chronométrée</translation>
    </message>
    <message>
        <source>Today and this week</source>
        <translation>Aujourd&apos;hui et cette semaine</translation>
    </message>
    <message>
        <source>Timer: %1</source>
        <translation>Chronomètre&#xa0;: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Chronomètre</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
</context>
<context>
    <name>quillet::FindDialog</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>Rechercher le &amp;suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>quillet::Form1</name>
    <message>
        <source>Total Cost/Fees for current project: $</source>
        <translation>Total des coûts/honoraires du projet en cours&#xa0;: $</translation>
    </message>
    <message>
        <source>Right-click for options</source>
        <translation>Clic droit pour les options</translation>
    </message>
    <message>
        <source>Working on the project file...</source>
        <translation>Traitement du fichier de projet...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
</context>
<context>
    <name>quillet::FrmAbout</name>
    <message>
        <source>About Quillet1</source>
        <translation>À propos de Quillet1</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Nom du produit</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Web site:</source>
        <translation>Site web&#xa0;:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>Courriel&#xa0;:</translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>Infos&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This program allows you to track where you spend your time - which tasks, projects, etc.  I welcome your feedback.</source>
        <translation>Ce programme vous permet de suivre l&apos;emploi de votre temps - quelles tâches, quels projets, etc.  Vos remarques sont les bienvenues.</translation>
    </message>
</context>
<context>
    <name>quillet::FrmCal</name>
    <message>
        <source>Quillet1 - Calendar</source>
        <translation>Quillet1 - Calendrier</translation>
    </message>
</context>
<context>
    <name>quillet::FrmColumnNames</name>
    <message>
        <source>Quillet1 - Change Column Names</source>
        <translation>Quillet1 - Modifier les noms des colonnes</translation>
    </message>
    <message>
        <source>Column %1:</source>
        <translation>Colonne %1&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>NOTE:  If you use the word &quot;date&quot; or &quot;Date&quot; in the name, the data will automatically be formatted as mm/dd/yyyy for you.</source>
        <translation>REMARQUE&#xa0;:  si le nom contient le mot «&#xa0;date&#xa0;» ou «&#xa0;Date&#xa0;», les données de la colonne seront automatiquement mises en forme comme des dates.</translation>
    </message>
</context>
<context>
    <name>quillet::FrmRestoreBackup</name>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Enregistrée le</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tâches</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Show &amp;Folder</source>
        <translation>Afficher le &amp;dossier</translation>
    </message>
    <message>
        <source>Show Folder</source>
        <translation>Afficher le dossier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>quillet::FrmStopwatchSettings</name>
    <message>
        <source>&amp;Book time to</source>
        <translation>&amp;Comptabiliser le temps dans</translation>
    </message>
    <message>
        <source>the task&apos;s row</source>
        <translation>la ligne de la tâche</translation>
    </message>
    <message>
        <source>a row per day</source>
        <translation>une ligne par jour</translation>
    </message>
    <message>
        <source>Book time to</source>
        <translation>Comptabiliser le temps dans</translation>
    </message>
    <message>
        <source>Idle time from the X server</source>
        <translation>Temps d&apos;inactivité fourni par le serveur X</translation>
    </message>
    <message>
        <source>Idle time from the desktop (D-Bus)</source>
        <translation>Temps d&apos;inactivité fourni par l&apos;environnement de bureau (D-Bus)</translation>
    </message>
    <message>
        <source>No idle time available on this desktop: time away cannot be noticed</source>
        <translation>Cet environnement de bureau ne fournit pas de temps d&apos;inactivité&#xa0;: les absences ne peuvent pas être détectées</translation>
    </message>
    <message>
        <source>0 (never)</source>
        <translation>0 (jamais)</translation>
    </message>
    <message>
        <source>0 = never</source>
        <translation>0 = jamais</translation>
    </message>
    <message>
        <source>Quillet1 - Stopwatch Settings</source>
        <translation>Quillet1 - Paramètres du chronomètre</translation>
    </message>
    <message>
        <source>Ask about time &amp;away after</source>
        <translation>Demander quoi faire d&apos;une &amp;absence après</translation>
    </message>
    <message>
        <source>minutes without input</source>
        <translation>minutes d&apos;inactivité</translation>
    </message>
    <message>
        <source>Re&amp;mind me after the stopwatch has run for</source>
        <translation>Me &amp;prévenir lorsque le chronomètre tourne depuis</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>heures</translation>
    </message>
</context>
<context>
    <name>quillet::FrmSummary</name>
    <message>
        <source>Summary</source>
        <translation>Récapitulatif</translation>
    </message>
    <message>
        <source>Summary by period</source>
        <translation>Récapitulatif par période</translation>
    </message>
    <message>
        <source>Select the first of them in the task table</source>
        <translation>Sélectionner la première d&apos;entre elles dans le tableau des tâches</translation>
    </message>
    <message>
        <source>Tasks of the selected period</source>
        <translation>Tâches de la période sélectionnée</translation>
    </message>
    <message>
        <source>Task #</source>
        <translation>N° de tâche</translation>
    </message>
    <message>
        <source>Task Description</source>
        <translation>Description de la tâche</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>&amp;Hours</source>
        <translation>&amp;Heures</translation>
    </message>
    <message>
        <source>Chart the hours</source>
        <translation>Afficher les heures dans le graphique</translation>
    </message>
    <message>
        <source>C&amp;ost</source>
        <translation>C&amp;oût</translation>
    </message>
    <message>
        <source>Chart the cost</source>
        <translation>Afficher le coût dans le graphique</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the summary</source>
        <translation>Copier le récapitulatif</translation>
    </message>
    <message>
        <source>Group by</source>
        <translation>Regrouper par</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>&amp;Group by</source>
        <translation>&amp;Regrouper par</translation>
    </message>
    <message>
        <source>Date to group by</source>
        <translation>Date servant au regroupement</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>D&amp;u</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Date de début de la plage</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Au</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Date de fin de la plage</translation>
    </message>
    <message>
        <source>Summary — %1</source>
        <translation>Récapitulatif — %1</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>Export the summary to a file</source>
        <translation>Exporter le récapitulatif dans un fichier</translation>
    </message>
</context>
<context>
    <name>quillet::FrmWorkLog</name>
    <message>
        <source>Quillet1 - Work Log</source>
        <translation>Quillet1 - Journal de travail</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Sessions</translation>
    </message>
    <message>
        <source>Each day of the period with its total, and below it the day&apos;s sessions</source>
        <translation>Chaque jour de la période avec son total, et en dessous les sessions du jour</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>Change the session&apos;s times</source>
        <translation>Modifier les heures de la session</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete the session</source>
        <translation>Supprimer la session</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>A&amp;jouter...</translation>
    </message>
    <message>
        <source>Add a session by hand</source>
        <translation>Ajouter une session à la main</translation>
    </message>
    <message>
        <source>Started &amp;Earlier...</source>
        <translation>&amp;Commencé plus tôt...</translation>
    </message>
    <message>
        <source>Move the running session&apos;s start back</source>
        <translation>Avancer le début de la session en cours</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>Export the work log to a file</source>
        <translation>Exporter le journal de travail dans un fichier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the work log</source>
        <translation>Fermer le journal de travail</translation>
    </message>
    <message>
        <source>Show a day or a week</source>
        <translation>Afficher un jour ou une semaine</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>Date of the day or week shown</source>
        <translation>Date du jour ou de la semaine affichés</translation>
    </message>
    <message>
        <source>&amp;of</source>
        <translation>d&amp;u</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>Aujourd&apos;&amp;hui</translation>
    </message>
    <message>
        <source>Show today</source>
        <translation>Afficher aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Previous day or week (%1)</source>
        <translation>Jour ou semaine précédents (%1)</translation>
    </message>
    <message>
        <source>Next day or week (%1)</source>
        <translation>Jour ou semaine suivants (%1)</translation>
    </message>
    <message>
        <source>No sessions in this period</source>
        <translation>Aucune session dans cette période</translation>
    </message>
    <message>
        <source>%1, %2 worked</source>
        <translation>%1, %2 de travail</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>Total for %1: %2</source>
        <translation>Total (%1)&#xa0;: %2</translation>
    </message>
    <message>
        <source>running</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>This session overlaps another one</source>
        <translation>Cette session chevauche une autre session</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>(no task)</source>
        <translation>(aucune tâche)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Interrompue</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>Comptabilisée</translation>
    </message>
    <message>
        <source>Added by hand</source>
        <translation>Ajoutée à la main</translation>
    </message>
    <message>
        <source>Overlaps</source>
        <translation>Chevauchement</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Change Session</source>
        <translation>Modifier la session</translation>
    </message>
    <message>
        <source>Task:</source>
        <translation>Tâche&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Début&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;Fin&#xa0;:</translation>
    </message>
    <message>
        <source>The session is running: it ends when the stopwatch stops.</source>
        <translation>La session est en cours&#xa0;: elle se termine quand le chronomètre s&apos;arrête.</translation>
    </message>
    <message>
        <source>Add Session</source>
        <translation>Ajouter une session</translation>
    </message>
    <message>
        <source>&amp;Task:</source>
        <translation>&amp;Tâche&#xa0;:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Jour&#xa0;:</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Started Earlier</source>
        <translation>Commencé plus tôt</translation>
    </message>
    <message>
        <source>Minutes earlier</source>
        <translation>Minutes plus tôt</translation>
    </message>
    <message>
        <source>Started this many &amp;minutes earlier:</source>
        <translation>Commencé ce nombre de &amp;minutes plus tôt&#xa0;:</translation>
    </message>
</context>
<context>
    <name>quillet::GridView</name>
    <message>
        <source>Tasks</source>
        <translation>Tâches</translation>
    </message>
</context>
<context>
    <name>quillet::SummaryChartView</name>
    <message>
        <source>Summary chart</source>
        <translation>Graphique du récapitulatif</translation>
    </message>
</context>
<context>
    <name>quillet::GridModel</name>
    <message>
        <source>Timed task</source>
        <translation>Tâche chronométrée</translation>
    </message>
</context>
</TS>
