<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Accessibility</name>
    <message>
        <source>Add files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Start conversion</source>
        <translation>Iniciar la conversión</translation>
    </message>
    <message>
        <source>File list</source>
        <translation>Lista de archivos</translation>
    </message>
    <message>
        <source>Split every</source>
        <translation>Cortar cada</translation>
    </message>
    <message>
        <source>Split unit</source>
        <translation>Unidad de corte</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Formato de salida</translation>
    </message>
    <message>
        <source>Bitrate (kbps)</source>
        <translation>Tasa de bits (kbps)</translation>
    </message>
    <message>
        <source>Rate (Hz)</source>
        <translation>Frecuencia de muestreo (Hz)</translation>
    </message>
    <message>
        <source>Audio channel</source>
        <translation>Canal de audio</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Elegir la carpeta de salida</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Stop conversion</source>
        <translation>Detener la conversión</translation>
    </message>
</context>
<context>
    <name>BatchDriver</name>
    <message>
        <source>the converter could not be started</source>
        <translation>no se pudo iniciar el conversor</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the converter stopped responding</source>
        <translation>el conversor dejó de responder</translation>
    </message>
    <message>
        <source>the converter was ended before it finished</source>
        <translation>el conversor se cerró antes de terminar</translation>
    </message>
    <message>
        <source>the converter&apos;s exit status was lost</source>
        <translation>se perdió el código de salida del conversor</translation>
    </message>
    <message>
        <source> (partial output removed)</source>
        <translation> (salida parcial eliminada)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Please add a file</source>
        <translation>Añada un archivo</translation>
    </message>
    <message>
        <source>Please choose a bitrate</source>
        <translation>Elija una tasa de bits</translation>
    </message>
    <message>
        <source>Please choose a sample rate</source>
        <translation>Elija una frecuencia de muestreo</translation>
    </message>
    <message>
        <source>Please choose a channel</source>
        <translation>Elija un canal</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Preparing Files...</source>
        <translation>Preparando...</translation>
    </message>
    <message>
        <source>the conversion failed</source>
        <translation>la conversión falló</translation>
    </message>
    <message>
        <source>cannot replace a piece: </source>
        <translation>no se puede reemplazar una parte: </translation>
    </message>
    <message>
        <source>the pieces could not be written again</source>
        <translation>no se pudieron reescribir las partes</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Detenido.</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>File %1 of %2</source>
        <translation>Archivo %1 de %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>quedan %1</translation>
    </message>
    <message>
        <source>estimating...</source>
        <translation>calculando...</translation>
    </message>
    <message>
        <source>%1 converted</source>
        <translation>Convertidos: %1</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, fallidos: %1</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, detenido</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 archivo convertido</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>%1 archivos convertidos</translation>
    </message>
    <message>
        <source>Files %1-%2 of %3</source>
        <translation>Archivos %1-%2 de %3</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 horas</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 canal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <source>converted</source>
        <translation>convertido</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>aviso</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallido</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>detenido</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>no iniciado</translation>
    </message>
    <message>
        <source>1 segment</source>
        <translation>1 segmento</translation>
    </message>
    <message>
        <source>%1 segments</source>
        <translation>%1 segmentos</translation>
    </message>
    <message>
        <source>Started:</source>
        <translation>Inicio:</translation>
    </message>
    <message>
        <source>Ended:</source>
        <translation>Fin:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Split:</source>
        <translation>Corte:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Salida:</translation>
    </message>
    <message>
        <source>Brisquel batch report</source>
        <translation>Informe de lote de Brisquel</translation>
    </message>
    <message>
        <source> (stopped)</source>
        <translation> (detenido)</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed, %3 with a warning, %4 left in the list</source>
        <translation>%1 convertidos, %2 fallidos, %3 con aviso, %4 quedan en la lista</translation>
    </message>
</context>
<context>
    <name>DOSOutputs</name>
    <message>
        <source>Command Line empty</source>
        <translation>Línea de comandos vacía</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>No se pudo crear la tubería. Error: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Archivo o comando no encontrado</translation>
    </message>
</context>
<context>
    <name>FailureReport</name>
    <message>
        <source>Done, %1 failed.</source>
        <translation>Terminado, fallidos: %1.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminado.</translation>
    </message>
    <message>
        <source>Done, %1 with warnings.</source>
        <translation>Terminado, con avisos: %1.</translation>
    </message>
    <message>
        <source>no output was written</source>
        <translation>no se escribió ninguna salida</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>1 file was not converted:</source>
        <translation>1 archivo no se convirtió:</translation>
    </message>
    <message>
        <source>%1 files were not converted:</source>
        <translation>%1 archivos no se convirtieron:</translation>
    </message>
    <message>
        <source>1 file was converted with a warning:</source>
        <translation>1 archivo se convirtió con un aviso:</translation>
    </message>
    <message>
        <source>%1 files were converted with warnings:</source>
        <translation>%1 archivos se convirtieron con avisos:</translation>
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
        <translation>Archivos WAVE</translation>
    </message>
    <message>
        <source>WMA Audio</source>
        <translation>Audio WMA</translation>
    </message>
    <message>
        <source>FLAC Files</source>
        <translation>Archivos FLAC</translation>
    </message>
    <message>
        <source>AAC Files</source>
        <translation>Archivos AAC</translation>
    </message>
    <message>
        <source>AC3 Files</source>
        <translation>Archivos AC3</translation>
    </message>
    <message>
        <source>OGG Files</source>
        <translation>Archivos OGG</translation>
    </message>
    <message>
        <source>MPEG4 Files</source>
        <translation>Archivos MPEG4</translation>
    </message>
    <message>
        <source>AVI Files</source>
        <translation>Archivos AVI</translation>
    </message>
    <message>
        <source>MPG Files</source>
        <translation>Archivos MPG</translation>
    </message>
    <message>
        <source>WMV Files</source>
        <translation>Archivos WMV</translation>
    </message>
    <message>
        <source>Flash Video</source>
        <translation>Vídeo Flash</translation>
    </message>
    <message>
        <source>QuickTime Format</source>
        <translation>Formato QuickTime</translation>
    </message>
    <message>
        <source>DVD VOB</source>
        <translation>DVD VOB</translation>
    </message>
    <message>
        <source>Real Video</source>
        <translation>Vídeo Real</translation>
    </message>
    <message>
        <source>3GP Video</source>
        <translation>Vídeo 3GP</translation>
    </message>
    <message>
        <source>All Media Formats</source>
        <translation>Todos los formatos multimedia</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Please select a folder:</source>
        <translation>Seleccione una carpeta:</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Abrir archivos</translation>
    </message>
    <message>
        <source>Open the report of this batch</source>
        <translation>Abrir el informe de este lote</translation>
    </message>
    <message>
        <source>Drag &amp; Drop Files Here</source>
        <translation>Arrastre archivos aquí</translation>
    </message>
    <message>
        <source>Searching Files...</source>
        <translation>Buscando...</translation>
    </message>
    <message>
        <source>The list holds at most %1 files: 1 file was left out.</source>
        <translation>La lista admite como máximo %1 archivos: se omitió 1 archivo.</translation>
    </message>
    <message>
        <source>The list holds at most %1 files: %2 files were left out.</source>
        <translation>La lista admite como máximo %1 archivos: se omitieron %2 archivos.</translation>
    </message>
    <message>
        <source>Drop to add to the list</source>
        <translation>Suelte para añadir</translation>
    </message>
    <message>
        <source>Files join the queue in the order dropped; folders are searched</source>
        <translation>En el orden soltado; las carpetas se recorren</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Arrastre archivos multimedia a esta zona</translation>
    </message>
    <message>
        <source>Brisquel - Help</source>
        <translation>Brisquel - Ayuda</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Quitar la selección</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Quitar todo</translation>
    </message>
    <message>
        <source>Split Time Unit</source>
        <translation>Unidad de tiempo del corte</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Formato de salida</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Tasa de bits de audio</translation>
    </message>
    <message>
        <source>Audio Rate</source>
        <translation>Frecuencia de muestreo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>MP3 Audio Channel(Stereo or Mono)</source>
        <translation>Canal de audio MP3 (estéreo o mono)</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Elija una carpeta de salida</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>The path has unknown characters.<byte value="xd"/>
Changed to the default path %1.</source>
        <translation>La ruta tiene caracteres desconocidos.<byte value="xd"/>
Se cambió a la ruta predeterminada %1.</translation>
    </message>
    <message>
        <source>FileName</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Stop the conversion (Esc)</source>
        <translation>Detener la conversión (Esc)</translation>
    </message>
    <message>
        <source>Brisquel - Ver %1.%2.%3</source>
        <translation>Brisquel - Versión %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Sound Reminder:</source>
        <translation>Aviso sonoro:</translation>
    </message>
    <message>
        <source>Cutter Setting:</source>
        <translation>Corte:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De:</translation>
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
        <translation>Duración:</translation>
    </message>
    <message>
        <source>Minutes must less than 60</source>
        <translation>Los minutos deben ser menos de 60</translation>
    </message>
    <message>
        <source>Seconds must less than 60</source>
        <translation>Los segundos deben ser menos de 60</translation>
    </message>
    <message>
        <source>Split without re-encoding when the file already has the output format</source>
        <translation>Dividir sin recodificar si el archivo ya tiene el formato de salida</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Cortar música</translation>
    </message>
    <message>
        <source>Conversions at once:</source>
        <translation>A la vez:</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>the running Brisquel did not take the files</source>
        <translation>el Brisquel que ya está abierto no aceptó los archivos</translation>
    </message>
</context>
<context>
    <name>ProgramArguments</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
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
        <translation>Uso: brisquel [OPCIÓN]... [ARCHIVO|CARPETA]...
Convierte archivos de audio y vídeo y los divide en partes de igual duración.

Cada ARCHIVO se pone en la lista, y cada archivo que haya en una CARPETA y sus
subcarpetas, en el orden dado. Si Brisquel ya está abierto, se añaden a su lista.

  -h, --help     mostrar esta ayuda y salir
      --version  mostrar la versión y salir
      --         tomar cada argumento siguiente como archivo o carpeta
</translation>
    </message>
</context>
<context>
    <name>ShortConversion</name>
    <message>
        <source>only %1 s of %2 s could be read</source>
        <translation>solo se pudieron leer %1 s de %2 s</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Add</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>START NOW!</source>
        <translation>¡INICIAR!</translation>
    </message>
    <message>
        <source>Audio Converter &amp; Splitter</source>
        <translation>Convertir y dividir audio</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Split Every</source>
        <translation>Cada</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Formato de salida:</translation>
    </message>
    <message>
        <source>Bitrate (Kbps):</source>
        <translation>Bits (kbps):</translation>
    </message>
    <message>
        <source>Rate (Hz):</source>
        <translation>Frec. (Hz):</translation>
    </message>
    <message>
        <source>Audio Channel:</source>
        <translation>Canal de audio:</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Carpeta de salida:</translation>
    </message>
    <message>
        <source>Progress (%):</source>
        <translation>Progreso (%):</translation>
    </message>
    <message>
        <source>Convert and split</source>
        <translation>Convertir y dividir</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>DETENER</translation>
    </message>
    <message>
        <source>Stop the conversion</source>
        <translation>Detener la conversión</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Lista de archivos</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Ajustes de salida</translation>
    </message>
</context>
</TS>
