<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessibility</name>
    <message>
        <source>Add files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Start conversion</source>
        <translation>Lancer la conversion</translation>
    </message>
    <message>
        <source>File list</source>
        <translation>Liste des fichiers</translation>
    </message>
    <message>
        <source>Split every</source>
        <translation>Découper toutes les</translation>
    </message>
    <message>
        <source>Split unit</source>
        <translation>Unité de découpe</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <source>Bitrate (kbps)</source>
        <translation>Débit (kbit/s)</translation>
    </message>
    <message>
        <source>Rate (Hz)</source>
        <translation>Fréquence d&apos;échantillonnage (Hz)</translation>
    </message>
    <message>
        <source>Audio channel</source>
        <translation>Canal audio</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Stop conversion</source>
        <translation>Arrêter la conversion</translation>
    </message>
</context>
<context>
    <name>BatchDriver</name>
    <message>
        <source>the converter could not be started</source>
        <translation>le convertisseur n&apos;a pas pu être lancé</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the converter stopped responding</source>
        <translation>le convertisseur ne répond plus</translation>
    </message>
    <message>
        <source>the converter was ended before it finished</source>
        <translation>le convertisseur a été arrêté avant la fin</translation>
    </message>
    <message>
        <source>the converter&apos;s exit status was lost</source>
        <translation>le code de sortie du convertisseur a été perdu</translation>
    </message>
    <message>
        <source> (partial output removed)</source>
        <translation> (sortie partielle supprimée)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Please add a file</source>
        <translation>Veuillez ajouter un fichier</translation>
    </message>
    <message>
        <source>Please choose a bitrate</source>
        <translation>Veuillez choisir un débit</translation>
    </message>
    <message>
        <source>Please choose a sample rate</source>
        <translation>Veuillez choisir une fréquence d&apos;échantillonnage</translation>
    </message>
    <message>
        <source>Please choose a channel</source>
        <translation>Veuillez choisir un canal</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Preparing Files...</source>
        <translation>Préparation...</translation>
    </message>
    <message>
        <source>the conversion failed</source>
        <translation>la conversion a échoué</translation>
    </message>
    <message>
        <source>cannot replace a piece: </source>
        <translation>impossible de remplacer un morceau&#xa0;: </translation>
    </message>
    <message>
        <source>the pieces could not be written again</source>
        <translation>les morceaux n&apos;ont pas pu être réécrits</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Arrêté.</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>File %1 of %2</source>
        <translation>Fichier %1 sur %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>reste %1</translation>
    </message>
    <message>
        <source>estimating...</source>
        <translation>estimation...</translation>
    </message>
    <message>
        <source>%1 converted</source>
        <translation>Convertis&#xa0;: %1</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, échecs&#xa0;: %1</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, arrêté</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 fichier converti</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>%1 fichiers convertis</translation>
    </message>
    <message>
        <source>Files %1-%2 of %3</source>
        <translation>Fichiers %1-%2 sur %3</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 heures</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 canal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canaux</translation>
    </message>
    <message>
        <source>converted</source>
        <translation>converti</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>avertissement</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>non commencé</translation>
    </message>
    <message>
        <source>1 segment</source>
        <translation>1 segment</translation>
    </message>
    <message>
        <source>%1 segments</source>
        <translation>%1 segments</translation>
    </message>
    <message>
        <source>Started:</source>
        <translation>Début&#xa0;:</translation>
    </message>
    <message>
        <source>Ended:</source>
        <translation>Fin&#xa0;:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format&#xa0;:</translation>
    </message>
    <message>
        <source>Split:</source>
        <translation>Découpe&#xa0;:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Brisquel batch report</source>
        <translation>Rapport de lot Brisquel</translation>
    </message>
    <message>
        <source> (stopped)</source>
        <translation> (arrêté)</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed, %3 with a warning, %4 left in the list</source>
        <translation>%1 convertis, %2 en échec, %3 avec avertissement, %4 restés dans la liste</translation>
    </message>
</context>
<context>
    <name>DOSOutputs</name>
    <message>
        <source>Command Line empty</source>
        <translation>Ligne de commande vide</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>Échec de la création du tube. Erreur&#xa0;: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Fichier ou commande introuvable</translation>
    </message>
</context>
<context>
    <name>FailureReport</name>
    <message>
        <source>Done, %1 failed.</source>
        <translation>Terminé, %1 en échec.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>Done, %1 with warnings.</source>
        <translation>Terminé, %1 avec avertissement.</translation>
    </message>
    <message>
        <source>no output was written</source>
        <translation>aucune sortie n&apos;a été écrite</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>1 file was not converted:</source>
        <translation>1 fichier n&apos;a pas été converti&#xa0;:</translation>
    </message>
    <message>
        <source>%1 files were not converted:</source>
        <translation>%1 fichiers n&apos;ont pas été convertis&#xa0;:</translation>
    </message>
    <message>
        <source>1 file was converted with a warning:</source>
        <translation>1 fichier a été converti avec un avertissement&#xa0;:</translation>
    </message>
    <message>
        <source>%1 files were converted with warnings:</source>
        <translation>%1 fichiers ont été convertis avec des avertissements&#xa0;:</translation>
    </message>
</context>
<context>
    <name>FileTypes</name>
    <message>
        <source>MP3 Audio</source>
        <translation>Audio MP3</translation>
    </message>
    <message>
        <source>WAVE Files</source>
        <translation>Fichiers WAVE</translation>
    </message>
    <message>
        <source>WMA Audio</source>
        <translation>Audio WMA</translation>
    </message>
    <message>
        <source>FLAC Files</source>
        <translation>Fichiers FLAC</translation>
    </message>
    <message>
        <source>AAC Files</source>
        <translation>Fichiers AAC</translation>
    </message>
    <message>
        <source>AC3 Files</source>
        <translation>Fichiers AC3</translation>
    </message>
    <message>
        <source>OGG Files</source>
        <translation>Fichiers OGG</translation>
    </message>
    <message>
        <source>MPEG4 Files</source>
        <translation>Fichiers MPEG4</translation>
    </message>
    <message>
        <source>AVI Files</source>
        <translation>Fichiers AVI</translation>
    </message>
    <message>
        <source>MPG Files</source>
        <translation>Fichiers MPG</translation>
    </message>
    <message>
        <source>WMV Files</source>
        <translation>Fichiers WMV</translation>
    </message>
    <message>
        <source>Flash Video</source>
        <translation>Vidéo Flash</translation>
    </message>
    <message>
        <source>QuickTime Format</source>
        <translation>Format QuickTime</translation>
    </message>
    <message>
        <source>DVD VOB</source>
        <translation>DVD VOB</translation>
    </message>
    <message>
        <source>Real Video</source>
        <translation>Vidéo Real</translation>
    </message>
    <message>
        <source>3GP Video</source>
        <translation>Vidéo 3GP</translation>
    </message>
    <message>
        <source>All Media Formats</source>
        <translation>Tous les formats multimédias</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Please select a folder:</source>
        <translation>Veuillez choisir un dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Ouvrir des fichiers</translation>
    </message>
    <message>
        <source>Open the report of this batch</source>
        <translation>Ouvrir le rapport de ce lot</translation>
    </message>
    <message>
        <source>Drag &amp; Drop Files Here</source>
        <translation>Déposez les fichiers ici</translation>
    </message>
    <message>
        <source>Searching Files...</source>
        <translation>Recherche...</translation>
    </message>
    <message>
        <source>The list holds at most %1 files: 1 file was left out.</source>
        <translation>La liste contient au plus %1 fichiers&#xa0;: 1 fichier a été laissé de côté.</translation>
    </message>
    <message>
        <source>The list holds at most %1 files: %2 files were left out.</source>
        <translation>La liste contient au plus %1 fichiers&#xa0;: %2 fichiers ont été laissés de côté.</translation>
    </message>
    <message>
        <source>Drop to add to the list</source>
        <translation>Relâchez pour ajouter</translation>
    </message>
    <message>
        <source>Files join the queue in the order dropped; folders are searched</source>
        <translation>Dans l&apos;ordre du dépôt&#xa0;; les dossiers sont parcourus</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Glissez des fichiers multimédias sur cette zone</translation>
    </message>
    <message>
        <source>Brisquel - Help</source>
        <translation>Brisquel - Aide</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Retirer la sélection</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Tout retirer</translation>
    </message>
    <message>
        <source>Split Time Unit</source>
        <translation>Unité de temps de la découpe</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Débit audio</translation>
    </message>
    <message>
        <source>Audio Rate</source>
        <translation>Fréquence d&apos;échantillonnage</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>MP3 Audio Channel(Stereo or Mono)</source>
        <translation>Canal audio MP3 (stéréo ou mono)</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Choisir un dossier de sortie</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>The path has unknown characters.<byte value="xd"/>
Changed to the default path %1.</source>
        <translation>Le chemin contient des caractères inconnus.<byte value="xd"/>
Remplacé par le chemin par défaut %1.</translation>
    </message>
    <message>
        <source>FileName</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Stop the conversion (Esc)</source>
        <translation>Arrêter la conversion (Échap)</translation>
    </message>
    <message>
        <source>Brisquel - Ver %1.%2.%3</source>
        <translation>Brisquel - Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Sound Reminder:</source>
        <translation>Rappel sonore&#xa0;:</translation>
    </message>
    <message>
        <source>Cutter Setting:</source>
        <translation>Découpe&#xa0;:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De&#xa0;:</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durée&#xa0;:</translation>
    </message>
    <message>
        <source>Minutes must less than 60</source>
        <translation>Les minutes doivent être inférieures à 60</translation>
    </message>
    <message>
        <source>Seconds must less than 60</source>
        <translation>Les secondes doivent être inférieures à 60</translation>
    </message>
    <message>
        <source>Split without re-encoding when the file already has the output format</source>
        <translation>Découper sans réencoder si le fichier est déjà au format de sortie</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Découpe musicale</translation>
    </message>
    <message>
        <source>Conversions at once:</source>
        <translation>Simultanément&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>the running Brisquel did not take the files</source>
        <translation>le Brisquel déjà ouvert n&apos;a pas pris les fichiers</translation>
    </message>
</context>
<context>
    <name>ProgramArguments</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Usage: brisquel [OPTION]... [FILE|FOLDER]...
Convert audio and video files and split them into parts of equal length.

Every FILE is queued, and every file found in a FOLDER and its subfolders, in
the order given. When Brisquel runs already, they are added to its list.

  -h, --help     show this help and exit
      --version  show the version and exit
      --         take every argument after this as a file or folder
</source>
        <translation>Utilisation&#xa0;: brisquel [OPTION]... [FICHIER|DOSSIER]...
Convertit des fichiers audio et vidéo et les découpe en parties de même durée.

Chaque FICHIER est mis dans la liste, ainsi que chaque fichier trouvé dans un
DOSSIER et ses sous-dossiers, dans l&apos;ordre donné. Si Brisquel est déjà ouvert,
ils sont ajoutés à sa liste.

  -h, --help     afficher cette aide et quitter
      --version  afficher la version et quitter
      --         prendre chaque argument suivant comme fichier ou dossier
</translation>
    </message>
</context>
<context>
    <name>ShortConversion</name>
    <message>
        <source>only %1 s of %2 s could be read</source>
        <translation>seules %1 s sur %2 s ont pu être lues</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Add</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>START NOW!</source>
        <translation>DÉMARRER&#xa0;!</translation>
    </message>
    <message>
        <source>Audio Converter &amp; Splitter</source>
        <translation>Convertir &amp; découper</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Split Every</source>
        <translation>Toutes les</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Format de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Bitrate (Kbps):</source>
        <translation>Débit (kbit/s)&#xa0;:</translation>
    </message>
    <message>
        <source>Rate (Hz):</source>
        <translation>Fréq. (Hz)&#xa0;:</translation>
    </message>
    <message>
        <source>Audio Channel:</source>
        <translation>Canal audio&#xa0;:</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Dossier de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Progress (%):</source>
        <translation>Progression&#xa0;:</translation>
    </message>
    <message>
        <source>Convert and split</source>
        <translation>Convertir et découper</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>ARRÊTER</translation>
    </message>
    <message>
        <source>Stop the conversion</source>
        <translation>Arrêter la conversion</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Liste des fichiers</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Réglages de sortie</translation>
    </message>
</context>
</TS>
