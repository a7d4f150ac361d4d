<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessibility</name>
    <message>
        <source>Add files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Start conversion</source>
        <translation>Umwandlung starten</translation>
    </message>
    <message>
        <source>File list</source>
        <translation>Dateiliste</translation>
    </message>
    <message>
        <source>Split every</source>
        <translation>Teilen alle</translation>
    </message>
    <message>
        <source>Split unit</source>
        <translation>Zeiteinheit der Teilung</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <source>Bitrate (kbps)</source>
        <translation>Bitrate (kbps)</translation>
    </message>
    <message>
        <source>Rate (Hz)</source>
        <translation>Abtastrate (Hz)</translation>
    </message>
    <message>
        <source>Audio channel</source>
        <translation>Audiokanal</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Stop conversion</source>
        <translation>Umwandlung anhalten</translation>
    </message>
</context>
<context>
    <name>BatchDriver</name>
    <message>
        <source>the converter could not be started</source>
        <translation>der Konverter ließ sich nicht starten</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the converter stopped responding</source>
        <translation>der Konverter reagiert nicht mehr</translation>
    </message>
    <message>
        <source>the converter was ended before it finished</source>
        <translation>der Konverter wurde vor dem Ende beendet</translation>
    </message>
    <message>
        <source>the converter&apos;s exit status was lost</source>
        <translation>der Rückgabewert des Konverters ging verloren</translation>
    </message>
    <message>
        <source> (partial output removed)</source>
        <translation> (unvollständige Ausgabe entfernt)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Please add a file</source>
        <translation>Bitte fügen Sie eine Datei hinzu</translation>
    </message>
    <message>
        <source>Please choose a bitrate</source>
        <translation>Bitte wählen Sie eine Bitrate</translation>
    </message>
    <message>
        <source>Please choose a sample rate</source>
        <translation>Bitte wählen Sie eine Abtastrate</translation>
    </message>
    <message>
        <source>Please choose a channel</source>
        <translation>Bitte wählen Sie einen Kanal</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>Preparing Files...</source>
        <translation>Vorbereitung...</translation>
    </message>
    <message>
        <source>the conversion failed</source>
        <translation>die Umwandlung ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>cannot replace a piece: </source>
        <translation>ein Teil lässt sich nicht ersetzen: </translation>
    </message>
    <message>
        <source>the pieces could not be written again</source>
        <translation>die Teile ließen sich nicht neu schreiben</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Angehalten.</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>File %1 of %2</source>
        <translation>Datei %1 von %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
    <message>
        <source>estimating...</source>
        <translation>wird geschätzt...</translation>
    </message>
    <message>
        <source>%1 converted</source>
        <translation>%1 umgewandelt</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, angehalten</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 Datei umgewandelt</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>%1 Dateien umgewandelt</translation>
    </message>
    <message>
        <source>Files %1-%2 of %3</source>
        <translation>Dateien %1-%2 von %3</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 Stunden</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 Kanal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>converted</source>
        <translation>umgewandelt</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>nicht begonnen</translation>
    </message>
    <message>
        <source>1 segment</source>
        <translation>1 Teil</translation>
    </message>
    <message>
        <source>%1 segments</source>
        <translation>%1 Teile</translation>
    </message>
    <message>
        <source>Started:</source>
        <translation>Begonnen:</translation>
    </message>
    <message>
        <source>Ended:</source>
        <translation>Beendet:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Split:</source>
        <translation>Teilung:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Ausgabe:</translation>
    </message>
    <message>
        <source>Brisquel batch report</source>
        <translation>Brisquel-Durchgangsbericht</translation>
    </message>
    <message>
        <source> (stopped)</source>
        <translation> (angehalten)</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed, %3 with a warning, %4 left in the list</source>
        <translation>%1 umgewandelt, %2 fehlgeschlagen, %3 mit Warnung, %4 in der Liste geblieben</translation>
    </message>
</context>
<context>
    <name>DOSOutputs</name>
    <message>
        <source>Command Line empty</source>
        <translation>Befehlszeile leer</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>Pipe ließ sich nicht anlegen. Fehler: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Datei oder Befehl nicht gefunden</translation>
    </message>
</context>
<context>
    <name>FailureReport</name>
    <message>
        <source>Done, %1 failed.</source>
        <translation>Fertig, %1 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>Done, %1 with warnings.</source>
        <translation>Fertig, %1 mit Warnungen.</translation>
    </message>
    <message>
        <source>no output was written</source>
        <translation>es wurde nichts ausgegeben</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>1 file was not converted:</source>
        <translation>1 Datei wurde nicht umgewandelt:</translation>
    </message>
    <message>
        <source>%1 files were not converted:</source>
        <translation>%1 Dateien wurden nicht umgewandelt:</translation>
    </message>
    <message>
        <source>1 file was converted with a warning:</source>
        <translation>1 Datei wurde mit einer Warnung umgewandelt:</translation>
    </message>
    <message>
        <source>%1 files were converted with warnings:</source>
        <translation>%1 Dateien wurden mit Warnungen umgewandelt:</translation>
    </message>
</context>
<context>
    <name>FileTypes</name>
    <message>
        <source>MP3 Audio</source>
        <translation>MP3-Audio</translation>
    </message>
    <message>
        <source>WAVE Files</source>
        <translation>WAVE-Dateien</translation>
    </message>
    <message>
        <source>WMA Audio</source>
        <translation>WMA-Audio</translation>
    </message>
    <message>
        <source>FLAC Files</source>
        <translation>FLAC-Dateien</translation>
    </message>
    <message>
        <source>AAC Files</source>
        <translation>AAC-Dateien</translation>
    </message>
    <message>
        <source>AC3 Files</source>
        <translation>AC3-Dateien</translation>
    </message>
    <message>
        <source>OGG Files</source>
        <translation>OGG-Dateien</translation>
    </message>
    <message>
        <source>MPEG4 Files</source>
        <translation>MPEG4-Dateien</translation>
    </message>
    <message>
        <source>AVI Files</source>
        <translation>AVI-Dateien</translation>
    </message>
    <message>
        <source>MPG Files</source>
        <translation>MPG-Dateien</translation>
    </message>
    <message>
        <source>WMV Files</source>
        <translation>WMV-Dateien</translation>
    </message>
    <message>
        <source>Flash Video</source>
        <translation>Flash-Video</translation>
    </message>
    <message>
        <source>QuickTime Format</source>
        <translation>QuickTime-Format</translation>
    </message>
    <message>
        <source>DVD VOB</source>
        <translation>DVD-VOB</translation>
    </message>
    <message>
        <source>Real Video</source>
        <translation>Real-Video</translation>
    </message>
    <message>
        <source>3GP Video</source>
        <translation>3GP-Video</translation>
    </message>
    <message>
        <source>All Media Formats</source>
        <translation>Alle Medienformate</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Please select a folder:</source>
        <translation>Bitte wählen Sie einen Ordner:</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Dateien öffnen</translation>
    </message>
    <message>
        <source>Open the report of this batch</source>
        <translation>Den Bericht dieses Durchgangs öffnen</translation>
    </message>
    <message>
        <source>Drag &amp; Drop Files Here</source>
        <translation>Dateien hierher ziehen</translation>
    </message>
    <message>
        <source>Searching Files...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>The list holds at most %1 files: 1 file was left out.</source>
        <translation>Die Liste fasst höchstens %1 Dateien: 1 Datei wurde ausgelassen.</translation>
    </message>
    <message>
        <source>The list holds at most %1 files: %2 files were left out.</source>
        <translation>Die Liste fasst höchstens %1 Dateien: %2 Dateien wurden ausgelassen.</translation>
    </message>
    <message>
        <source>Drop to add to the list</source>
        <translation>Loslassen zum Hinzufügen</translation>
    </message>
    <message>
        <source>Files join the queue in the order dropped; folders are searched</source>
        <translation>In abgelegter Reihenfolge; Ordner werden durchsucht</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Mediendateien auf diese Ablagefläche ziehen</translation>
    </message>
    <message>
        <source>Brisquel - Help</source>
        <translation>Brisquel - Hilfe</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Auswahl entfernen</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Split Time Unit</source>
        <translation>Zeiteinheit der Teilung</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Audio-Bitrate</translation>
    </message>
    <message>
        <source>Audio Rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>MP3 Audio Channel(Stereo or Mono)</source>
        <translation>MP3-Audiokanal (Stereo oder Mono)</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Ordner für die Ausgabe wählen</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>The path has unknown characters.<byte value="xd"/>
Changed to the default path %1.</source>
        <translation>Der Pfad enthält unbekannte Zeichen.<byte value="xd"/>
Er wurde auf den Standardpfad %1 gesetzt.</translation>
    </message>
    <message>
        <source>FileName</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Stop the conversion (Esc)</source>
        <translation>Umwandlung anhalten (Esc)</translation>
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
        <translation>Tonsignal:</translation>
    </message>
    <message>
        <source>Cutter Setting:</source>
        <translation>Schnitt:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Ab:</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Std</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>Sek</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>Minutes must less than 60</source>
        <translation>Minuten müssen kleiner als 60 sein</translation>
    </message>
    <message>
        <source>Seconds must less than 60</source>
        <translation>Sekunden müssen kleiner als 60 sein</translation>
    </message>
    <message>
        <source>Split without re-encoding when the file already has the output format</source>
        <translation>Ohne Neukodierung teilen, wenn die Datei schon das Ausgabeformat hat</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Musikschnitt</translation>
    </message>
    <message>
        <source>Conversions at once:</source>
        <translation>Gleichzeitig:</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>the running Brisquel did not take the files</source>
        <translation>das laufende Brisquel hat die Dateien nicht übernommen</translation>
    </message>
</context>
<context>
    <name>ProgramArguments</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
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
        <translation>Aufruf: brisquel [OPTION]... [DATEI|ORDNER]...
Wandelt Audio- und Videodateien um und teilt sie in gleich lange Teile.

Jede DATEI kommt in die Liste, dazu jede Datei aus einem ORDNER und seinen
Unterordnern, in der angegebenen Reihenfolge. Läuft Brisquel schon, kommen sie
in dessen Liste.

  -h, --help     diese Hilfe zeigen und beenden
      --version  die Version zeigen und beenden
      --         jedes weitere Argument als Datei oder Ordner nehmen
</translation>
    </message>
</context>
<context>
    <name>ShortConversion</name>
    <message>
        <source>only %1 s of %2 s could be read</source>
        <translation>nur %1 s von %2 s ließen sich lesen</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Add</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>START NOW!</source>
        <translation>STARTEN!</translation>
    </message>
    <message>
        <source>Audio Converter &amp; Splitter</source>
        <translation>Audio umwandeln &amp; teilen</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Split Every</source>
        <translation>Teilen alle</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Ausgabeformat:</translation>
    </message>
    <message>
        <source>Bitrate (Kbps):</source>
        <translation>Bitrate (kbps):</translation>
    </message>
    <message>
        <source>Rate (Hz):</source>
        <translation>Rate (Hz):</translation>
    </message>
    <message>
        <source>Audio Channel:</source>
        <translation>Audiokanal:</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Ausgabeordner:</translation>
    </message>
    <message>
        <source>Progress (%):</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>Convert and split</source>
        <translation>Umwandeln und teilen</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>Stop the conversion</source>
        <translation>Umwandlung anhalten</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Dateiliste</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Ausgabeeinstellungen</translation>
    </message>
</context>
</TS>
