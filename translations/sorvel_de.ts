<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Application</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
</context>
<context>
    <name>AudioListWidget</name>
    <message>
        <source>Audio clips</source>
        <translation>Audioclips</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Startpunkt</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Endpunkt</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Drag Audio File(s) Here</source>
        <translation>Audiodateien hierher ziehen</translation>
    </message>
    <message>
        <source>Copy Clips</source>
        <translation>Clips kopieren</translation>
    </message>
    <message>
        <source>Move Clips</source>
        <translation>Clips verschieben</translation>
    </message>
    <message>
        <source>Import Audio</source>
        <translation>Audio importieren</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (fehlt)</translation>
    </message>
</context>
<context>
    <name>AudioOutput</name>
    <message>
        <source>No sound output device could be opened.</source>
        <translation>Es konnte kein Audioausgabegerät geöffnet werden.</translation>
    </message>
    <message>
        <source>The sound output device could not be set up.</source>
        <translation>Das Audioausgabegerät konnte nicht eingerichtet werden.</translation>
    </message>
    <message>
        <source>The sound output device has no free voice.</source>
        <translation>Das Audioausgabegerät hat keine freie Stimme.</translation>
    </message>
    <message>
        <source>The sound output device has no room for the sound buffers.</source>
        <translation>Das Audioausgabegerät hat keinen Platz für die Audiopuffer.</translation>
    </message>
</context>
<context>
    <name>BitRateDialog</name>
    <message>
        <source>Customize Bitrate</source>
        <translation>Bitrate anpassen</translation>
    </message>
    <message>
        <source>Please input customized bitrate:</source>
        <translation>Bitte geben Sie die gewünschte Bitrate ein:</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Bereich:</translation>
    </message>
    <message>
        <source>Mbps</source>
        <translation>Mbit/s</translation>
    </message>
    <message>
        <source>kbit/s</source>
        <translation>kbit/s</translation>
    </message>
    <message>
        <source>Please input a valid value</source>
        <translation>Bitte geben Sie einen gültigen Wert ein</translation>
    </message>
</context>
<context>
    <name>BurnWorkflow</name>
    <message>
        <source>The output folder does not exist, please set the output folder and try again.</source>
        <translation>Der Ausgabeordner existiert nicht. Bitte legen Sie den Ausgabeordner fest und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The temporary folder does not exist, please set the temporary folder and try again.</source>
        <translation>Der temporäre Ordner existiert nicht. Bitte legen Sie den temporären Ordner fest und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Another disc job is still running; please try again later.</source>
        <translation>Ein anderer Brennvorgang läuft noch. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Burn process failed. Do you want to try again.</source>
        <translation>Das Brennen ist fehlgeschlagen. Möchten Sie es erneut versuchen?</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 B</source>
        <comment>bytes</comment>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>Not enough free space available in the disk which the temporary folder is located in. At least %1 disk space is needed in disk %2.</source>
        <translation>Auf dem Laufwerk des temporären Ordners ist nicht genügend Speicherplatz frei. Auf %2 werden mindestens %1 benötigt.</translation>
    </message>
    <message>
        <source>Not enough space available in the target disk. At least %1 of disk space is needed in %2 disk.</source>
        <translation>Auf dem Ziellaufwerk ist nicht genügend Speicherplatz frei. Auf %2 werden mindestens %1 benötigt.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The folder %1 will be cleared. Do you want to continue?</source>
        <translation>Der Ordner %1 wird geleert. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>The file system of destination disk (%1) does not support files larger than 4GB, please select again.</source>
        <translation>Das Dateisystem des Ziellaufwerks (%1) unterstützt keine Dateien über 4 GB. Bitte wählen Sie ein anderes Ziel.</translation>
    </message>
    <message>
        <source>The file %1 will be overwritten. Do you want to continue?</source>
        <translation>Die Datei %1 wird überschrieben. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>%1: no such recorder.</source>
        <translation>%1: Diesen Brenner gibt es nicht.</translation>
    </message>
    <message>
        <source>%1 is a folder, not an optical drive.</source>
        <translation>%1 ist ein Ordner, kein optisches Laufwerk.</translation>
    </message>
    <message>
        <source>%1 is a file, not an optical drive; to write a disc image into it, use stdio:%1.</source>
        <translation>%1 ist eine Datei, kein optisches Laufwerk. Um ein Disc-Abbild in diese Datei zu schreiben, verwenden Sie stdio:%1.</translation>
    </message>
    <message>
        <source>%1 is not an optical drive.</source>
        <translation>%1 ist kein optisches Laufwerk.</translation>
    </message>
    <message>
        <source>No recorder was found.</source>
        <translation>Es wurde kein Brenner gefunden.</translation>
    </message>
    <message>
        <source>Recorders found: %1</source>
        <translation>Gefundene Brenner: %1</translation>
    </message>
    <message>
        <source>%1 is a folder; a disc image needs a file name.</source>
        <translation>%1 ist ein Ordner; ein Disc-Abbild braucht einen Dateinamen.</translation>
    </message>
    <message>
        <source>Please select the destination.</source>
        <translation>Bitte wählen Sie das Ziel.</translation>
    </message>
    <message>
        <source>The disc in the drive is not blank. Writing to this disc will erase all the data on the disc. 
Do you want to continue?</source>
        <translation>Die Disc im Laufwerk ist nicht leer. Beim Beschreiben werden alle Daten auf der Disc gelöscht.
Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Please insert a blank disc.</source>
        <translation>Bitte legen Sie eine leere Disc ein.</translation>
    </message>
    <message>
        <source>Not enough free space in the disc, please insert another disc.</source>
        <translation>Auf der Disc ist nicht genügend Platz frei. Bitte legen Sie eine andere Disc ein.</translation>
    </message>
    <message>
        <source>Please insert a blank and recordable disc.</source>
        <translation>Bitte legen Sie eine leere, beschreibbare Disc ein.</translation>
    </message>
    <message>
        <source>Burning failed! %1We recommend you burn again.</source>
        <translation>Das Brennen ist fehlgeschlagen! %1Wir empfehlen, erneut zu brennen.</translation>
    </message>
    <message>
        <source>Burn failed! Open ISO failed, we suggest you burn again.</source>
        <translation>Das Brennen ist fehlgeschlagen! Das ISO-Abbild konnte nicht geöffnet werden. Wir empfehlen, erneut zu brennen.</translation>
    </message>
    <message>
        <source>Failed to open disc, please retry.</source>
        <translation>Die Disc konnte nicht geöffnet werden. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Failed to write to disc, please retry.</source>
        <translation>Die Disc konnte nicht beschrieben werden. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Failed to read DVD data.</source>
        <translation>Die DVD-Daten konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Failed to create the DVD folder.</source>
        <translation>Der DVD-Ordner konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Burning failed!</source>
        <translation>Das Brennen ist fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Disc checking stopped</source>
        <translation>Prüfung der Disc angehalten</translation>
    </message>
    <message>
        <source>Burning aborted!</source>
        <translation>Brennen abgebrochen!</translation>
    </message>
    <message>
        <source>Failed to erase!</source>
        <translation>Löschen fehlgeschlagen!</translation>
    </message>
</context>
<context>
    <name>CapacityBar</name>
    <message>
        <source>%1GB</source>
        <comment>scale label</comment>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>Disc capacity</source>
        <translation>Disc-Kapazität</translation>
    </message>
    <message>
        <source>Disc space is sufficient</source>
        <translation>Der Platz auf der Disc reicht aus</translation>
    </message>
    <message>
        <source>The file size is close to the maximum disc capacity</source>
        <translation>Die Datei ist fast so groß wie die Disc</translation>
    </message>
    <message>
        <source>The file size is beyond the maximum disc capacity</source>
        <translation>Die Datei ist größer als die Disc</translation>
    </message>
</context>
<context>
    <name>CaptionDialog</name>
    <message>
        <source>Caption</source>
        <translation>Bildunterschrift</translation>
    </message>
    <message>
        <source>Add Title Card</source>
        <translation>Titelkarte hinzufügen</translation>
    </message>
    <message>
        <source>Title Card</source>
        <translation>Titelkarte</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schrift:</translation>
    </message>
    <message>
        <source>&amp;Size (% of the picture height):</source>
        <translation>&amp;Größe (% der Bildhöhe):</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>&amp;Position:</source>
        <translation>&amp;Position:</translation>
    </message>
    <message>
        <source>&amp;Legibility:</source>
        <translation>&amp;Lesbarkeit:</translation>
    </message>
    <message>
        <source>&amp;Duration (s):</source>
        <translation>&amp;Dauer (s):</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Hintergrund:</translation>
    </message>
    <message>
        <source>Background c&amp;olours:</source>
        <translation>Hintergrund&amp;farben:</translation>
    </message>
    <message>
        <source>P&amp;hoto:</source>
        <translation>F&amp;oto:</translation>
    </message>
    <message>
        <source>P&amp;lace:</source>
        <translation>&amp;Stelle:</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Legibility</source>
        <translation>Lesbarkeit</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Soft shadow</source>
        <translation>Weicher Schatten</translation>
    </message>
    <message>
        <source>Translucent band</source>
        <translation>Durchscheinendes Band</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>Andere...</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Gradient Colour</source>
        <translation>Verlaufsfarbe</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Plain colour</source>
        <translation>Einfarbig</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Blurred photo</source>
        <translation>Unscharfes Foto</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Stelle</translation>
    </message>
    <message>
        <source>After the selected photo</source>
        <translation>Nach dem gewählten Foto</translation>
    </message>
    <message>
        <source>Before the selected photo</source>
        <translation>Vor dem gewählten Foto</translation>
    </message>
    <message>
        <source>At the start</source>
        <translation>Am Anfang</translation>
    </message>
    <message>
        <source>At the end</source>
        <translation>Am Ende</translation>
    </message>
    <message>
        <source>Apply Style to &amp;All</source>
        <translation>Stil auf &amp;alle anwenden</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; is not installed here; the text is drawn in &quot;%2&quot;.</source>
        <translation>Die Schrift „%1“ ist hier nicht installiert; der Text wird in „%2“ gezeichnet.</translation>
    </message>
</context>
<context>
    <name>CaptionJson</name>
    <message>
        <source>not an object</source>
        <translation>kein Objekt</translation>
    </message>
</context>
<context>
    <name>CaptionJson::Members</name>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>kein Text</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>nicht true oder false</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 liegt außerhalb von %2 bis %3</translation>
    </message>
    <message>
        <source>not a colour (#rrggbb)</source>
        <translation>keine Farbe (#rrggbb)</translation>
    </message>
    <message>
        <source>not one of %1</source>
        <translation>nicht eines von %1</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>make a DVD from photos and music (see make-dvd --help)</source>
        <translation>erstellt eine DVD aus Fotos und Musik (siehe make-dvd --help)</translation>
    </message>
    <message>
        <source>Usage: sorvel [COMMAND [OPTIONS]]</source>
        <translation>Aufruf: sorvel [BEFEHL [OPTIONEN]]</translation>
    </message>
    <message>
        <source>Without a command, starts the slideshow editor.</source>
        <translation>Ohne Befehl startet der Diashow-Editor.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>die Version zeigen und beenden</translation>
    </message>
    <message>
        <source>Run &apos;sorvel COMMAND --help&apos; for a command&apos;s options.</source>
        <translation>„sorvel BEFEHL --help“ zeigt die Optionen eines Befehls.</translation>
    </message>
    <message>
        <source>make an MP4 video file from photos and music (see make-video --help)</source>
        <translation>eine MP4-Videodatei aus Fotos und Musik erstellen (siehe make-video --help)</translation>
    </message>
</context>
<context>
    <name>DestinationBox</name>
    <message>
        <source>The folder %1 will be cleared. Do you want to continue?</source>
        <translation>Der Ordner %1 wird geleert. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Input volume label</source>
        <translation>Datenträgerbezeichnung eingeben</translation>
    </message>
    <message>
        <source>Open DVD Folder...</source>
        <translation>DVD-Ordner öffnen...</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>DVD Image file (*.iso)</source>
        <translation>DVD-Abbild (*.iso)</translation>
    </message>
    <message>
        <source>Please select the destination.</source>
        <translation>Bitte wählen Sie das Ziel.</translation>
    </message>
    <message>
        <source>Save as DVD Folder</source>
        <translation>Als DVD-Ordner speichern</translation>
    </message>
    <message>
        <source>Save as Image (.iso)</source>
        <translation>Als Abbild speichern (.iso)</translation>
    </message>
</context>
<context>
    <name>DialogQuestions</name>
    <message>
        <source>Waiting for Disc</source>
        <translation>Warten auf eine Disc</translation>
    </message>
    <message>
        <source>To skip disc checking, please click &quot;Ignore&quot;, but it will show again when starting burning.</source>
        <translation>Um die Prüfung der Disc zu überspringen, klicken Sie auf „Ignorieren“; sie erscheint beim Brennen jedoch erneut.</translation>
    </message>
</context>
<context>
    <name>DiscJob</name>
    <message>
        <source>Cannot empty %1: %2</source>
        <translation>%1 kann nicht geleert werden: %2</translation>
    </message>
    <message>
        <source>Erasing the disc in %1 failed</source>
        <translation>Das Löschen der Disc in %1 ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>The DVD folder %1 does not exist</source>
        <translation>Der DVD-Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>genisoimage was not found</source>
        <translation>genisoimage wurde nicht gefunden</translation>
    </message>
    <message>
        <source>genisoimage could not be started: %1</source>
        <translation>genisoimage konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>%1: No space left on device</source>
        <translation>%1: Kein Speicherplatz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>Cannot open the image %1</source>
        <translation>Das Abbild %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Out of memory preparing the write</source>
        <translation>Nicht genügend Arbeitsspeicher, um das Schreiben vorzubereiten</translation>
    </message>
    <message>
        <source>Cannot prepare the image %1 for writing</source>
        <translation>Das Abbild %1 kann nicht zum Schreiben vorbereitet werden</translation>
    </message>
    <message>
        <source>Cannot open the disc in %1</source>
        <translation>Die Disc in %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The disc in %1 cannot be written: %2</source>
        <translation>Die Disc in %1 kann nicht beschrieben werden: %2</translation>
    </message>
    <message>
        <source>Writing to %1 failed: %2</source>
        <translation>Das Schreiben auf %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Cannot truncate %1</source>
        <translation>%1 kann nicht gekürzt werden</translation>
    </message>
    <message>
        <source>Cannot stage the disc image in %1: %2</source>
        <translation>Das Disc-Abbild kann nicht in %1 bereitgestellt werden: %2</translation>
    </message>
    <message>
        <source>The image %1 does not exist</source>
        <translation>Das Abbild %1 existiert nicht</translation>
    </message>
    <message>
        <source>Cannot rename the image to %1: %2</source>
        <translation>Das Abbild kann nicht in %1 umbenannt werden: %2</translation>
    </message>
    <message>
        <source>Cannot remove %1</source>
        <translation>%1 kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>Cannot open the drive %1</source>
        <translation>Das Laufwerk %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The disc-recording library is not available</source>
        <translation>Die Bibliothek zum Brennen von Discs ist nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>DvdGeneration</name>
    <message>
        <source>Cannot render the slideshow: %1</source>
        <translation>Die Diashow kann nicht berechnet werden: %1</translation>
    </message>
    <message>
        <source>Cannot create the audio stream: %1</source>
        <translation>Der Audiostrom kann nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>Cannot start encoding: %1</source>
        <translation>Die Kodierung kann nicht beginnen: %1</translation>
    </message>
    <message>
        <source>Encoding failed: %1</source>
        <translation>Die Kodierung ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The encoded video is missing.</source>
        <translation>Das kodierte Video fehlt.</translation>
    </message>
    <message>
        <source>The encoded streams are missing.</source>
        <translation>Die kodierten Datenströme fehlen.</translation>
    </message>
    <message>
        <source>mplex did not start reading the video</source>
        <translation>mplex hat nicht begonnen, das Video zu lesen</translation>
    </message>
    <message>
        <source>Failed to create DVD!</source>
        <translation>Die DVD konnte nicht erstellt werden!</translation>
    </message>
    <message>
        <source>Cannot create the video stream: %1</source>
        <translation>Der Videostrom kann nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>The video ended early.</source>
        <translation>Das Video endete zu früh.</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Abgebrochen</translation>
    </message>
</context>
<context>
    <name>DvdMenu</name>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Photos %1 of %2</source>
        <translation>Fotos %1 von %2</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Menü</translation>
    </message>
</context>
<context>
    <name>DvdSettingsDialog</name>
    <message>
        <source>DVD Settings</source>
        <translation>DVD-Einstellungen</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Volume Label:</source>
        <translation>Datenträgerbezeichnung:</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Datenträgerbezeichnung</translation>
    </message>
    <message>
        <source>Writing Speed:</source>
        <translation>Schreibgeschwindigkeit:</translation>
    </message>
    <message>
        <source>Writing Speed</source>
        <translation>Schreibgeschwindigkeit</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Kopien:</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Kopien</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Videoeinstellungen</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualität:</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Videoqualität</translation>
    </message>
    <message>
        <source>The most the video may take: High up to 9 Mbit/s, Normal up to 5, Low up to 2. Still photos take far less.</source>
        <translation>Höchstens so viel darf das Video belegen: Hoch bis 9 Mbit/s, Normal bis 5, Niedrig bis 2. Standbilder brauchen weit weniger.</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Anpassen</translation>
    </message>
    <message>
        <source>TV Standard:</source>
        <translation>Fernsehnorm:</translation>
    </message>
    <message>
        <source>TV Standard</source>
        <translation>Fernsehnorm</translation>
    </message>
    <message>
        <source>When the Show Ends:</source>
        <translation>Am Ende der Show:</translation>
    </message>
    <message>
        <source>When the Show Ends</source>
        <translation>Am Ende der Show</translation>
    </message>
    <message>
        <source>What the disc does after the last photo: start the show again, or stop as a film does</source>
        <translation>Was die Disc nach dem letzten Foto tut: die Show erneut beginnen oder wie ein Film anhalten</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Erneut abspielen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Audioeinstellungen</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Audio Bit Rate</source>
        <translation>Audio-Bitrate</translation>
    </message>
    <message>
        <source>128kbit/s (Lowest Audio Quality)</source>
        <translation>128 kbit/s (niedrigste Audioqualität)</translation>
    </message>
    <message>
        <source>160kbit/s (Low Audio Quality)</source>
        <translation>160 kbit/s (niedrige Audioqualität)</translation>
    </message>
    <message>
        <source>192kbit/s (Normal Audio Quality)</source>
        <translation>192 kbit/s (normale Audioqualität)</translation>
    </message>
    <message>
        <source>320kbit/s (High Audio Quality)</source>
        <translation>320 kbit/s (hohe Audioqualität)</translation>
    </message>
    <message>
        <source>448kbit/s (Highest Audio Quality)</source>
        <translation>448 kbit/s (höchste Audioqualität)</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
    <message>
        <source>Audio Channels</source>
        <translation>Audiokanäle</translation>
    </message>
    <message>
        <source>1 (Mono)</source>
        <translation>1 (Mono)</translation>
    </message>
    <message>
        <source>2 (Stereo)</source>
        <translation>2 (Stereo)</translation>
    </message>
    <message>
        <source>5.1 (D.D.)</source>
        <translation>5.1 (D.D.)</translation>
    </message>
    <message>
        <source>Estimated size:</source>
        <translation>Geschätzte Größe:</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Brennen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1Mbps</source>
        <translation>%1 Mbit/s</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Estimated size: up to %1</source>
        <translation>Geschätzte Größe: bis zu %1</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Seitenverhältnis:</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>The picture&apos;s shape: 16:9 fills a widescreen television (a 4:3 one shows it letterboxed); 4:3 fills an old one</source>
        <translation>Die Bildform: 16:9 füllt einen Breitbildfernseher (ein 4:3-Gerät zeigt es mit Balken); 4:3 füllt ein älteres Gerät</translation>
    </message>
    <message>
        <source>16:9 Widescreen</source>
        <translation>16:9 Breitbild</translation>
    </message>
    <message>
        <source>4:3</source>
        <translation>4:3</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Kapitel:</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <source>A chapter at every photo lets a remote&apos;s Next and Previous buttons step through the photos</source>
        <translation>Ein Kapitel an jedem Foto lässt die Tasten Weiter und Zurück der Fernbedienung von Foto zu Foto springen</translation>
    </message>
    <message>
        <source>One per Photo</source>
        <translation>Eins pro Foto</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Start with a Menu</source>
        <translation>Mit Menü beginnen</translation>
    </message>
    <message>
        <source>The disc opens on the album&apos;s title with Play and an index of the photos, and returns there at the end of the show; each photo then starts a chapter</source>
        <translation>Die Disc öffnet mit dem Titel des Albums, Abspielen und einer Übersicht der Fotos und kehrt am Ende der Show dorthin zurück; jedes Foto beginnt dann ein Kapitel</translation>
    </message>
    <message>
        <source>Menu Preview</source>
        <translation>Menüvorschau</translation>
    </message>
    <message>
        <source>The menu&apos;s main page</source>
        <translation>Die Hauptseite des Menüs</translation>
    </message>
    <message>
        <source>The disc starts the show at once</source>
        <translation>Die Disc startet die Show sofort</translation>
    </message>
    <message>
        <source>Menu Title:</source>
        <translation>Menütitel:</translation>
    </message>
    <message>
        <source>Menu Title</source>
        <translation>Menütitel</translation>
    </message>
    <message>
        <source>The words on the menu&apos;s main page; empty: the volume label</source>
        <translation>Der Text auf der Hauptseite des Menüs; leer: die Datenträgerbezeichnung</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>Menu Background</source>
        <translation>Menühintergrund</translation>
    </message>
    <message>
        <source>The picture behind the menu, blurred and darkened</source>
        <translation>Das Bild hinter dem Menü, weichgezeichnet und abgedunkelt</translation>
    </message>
    <message>
        <source>Music in the Menu</source>
        <translation>Musik im Menü</translation>
    </message>
    <message>
        <source>The first music clip plays under the menu, faded in and out, again and again</source>
        <translation>Der erste Audioclip läuft unter dem Menü, ein- und ausgeblendet, immer wieder</translation>
    </message>
    <message>
        <source>First Photo</source>
        <translation>Erstes Foto</translation>
    </message>
    <message>
        <source>A Title Card&apos;s Look</source>
        <translation>Aussehen einer Titelkarte</translation>
    </message>
    <message>
        <source>The album has no music</source>
        <translation>Das Album hat keine Musik</translation>
    </message>
</context>
<context>
    <name>EditAudioDialog</name>
    <message>
        <source>Edit Audio</source>
        <translation>Audio bearbeiten</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Audio clips</source>
        <translation>Audioclips</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Startpunkt</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Endpunkt</translation>
    </message>
    <message>
        <source>Clip position and points</source>
        <translation>Clip-Position und Schnittpunkte</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>Abschnitt abspielen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Set Start Point</source>
        <translation>Startpunkt setzen</translation>
    </message>
    <message>
        <source>Set End Point</source>
        <translation>Endpunkt setzen</translation>
    </message>
    <message>
        <source>Position and duration</source>
        <translation>Position und Dauer</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Sound is not available: %1 The clips can still be ordered and trimmed, but not played.</source>
        <translation>Ton ist nicht verfügbar: %1 Die Clips lassen sich weiterhin ordnen und kürzen, aber nicht abspielen.</translation>
    </message>
    <message>
        <source>Select One or More Files</source>
        <translation>Eine oder mehrere Dateien wählen</translation>
    </message>
    <message>
        <source>Some files have not been added to the list:
</source>
        <translation>Einige Dateien wurden nicht in die Liste aufgenommen:
</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>Sorvel</source>
        <translation>Sorvel</translation>
    </message>
    <message>
        <source>Import Photo(s)</source>
        <translation>Fotos importieren</translation>
    </message>
    <message>
        <source>Import Photo Folder</source>
        <translation>Fotoordner importieren</translation>
    </message>
    <message>
        <source>Import Audio File(s)</source>
        <translation>Audiodateien importieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Kippen</translation>
    </message>
    <message>
        <source>Auto Rotate</source>
        <translation>Automatisch drehen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Previous (Left)</source>
        <translation>Zurück (Links)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>Abspielen (Leertaste)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>Pause (Leertaste)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop (Home)</source>
        <translation>Stopp (Pos1)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Next (Right)</source>
        <translation>Weiter (Rechts)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Album Settings</source>
        <translation>Albumeinstellungen</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Übergang</translation>
    </message>
    <message>
        <source>Sync with Audio</source>
        <translation>An Musik anpassen</translation>
    </message>
    <message>
        <source>Use Dynamic Effect</source>
        <translation>Schwenk und Zoom</translation>
    </message>
    <message>
        <source>Use Transition</source>
        <translation>Übergänge verwenden</translation>
    </message>
    <message>
        <source>Dissolve Only</source>
        <translation>Nur Überblenden</translation>
    </message>
    <message>
        <source>Random Transition</source>
        <translation>Zufällige Übergänge</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Audioeinstellungen</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Audio bearbeiten</translation>
    </message>
    <message>
        <source>Scroll Strips</source>
        <translation>Leisten blättern</translation>
    </message>
    <message>
        <source>Disc type</source>
        <translation>Disc-Typ</translation>
    </message>
    <message>
        <source>DVD 4.7G</source>
        <translation>DVD 4,7 GB</translation>
    </message>
    <message>
        <source>DVD 8.5G</source>
        <translation>DVD 8,5 GB</translation>
    </message>
    <message>
        <source>Create DVD</source>
        <translation>DVD erstellen</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Brennen</translation>
    </message>
    <message>
        <source>&amp;Import Photo(s)...</source>
        <translation>Fotos &amp;importieren...</translation>
    </message>
    <message>
        <source>I&amp;mport Photo Folder...</source>
        <translation>Foto&amp;ordner importieren...</translation>
    </message>
    <message>
        <source>Import &amp;Audio File(s)...</source>
        <translation>&amp;Audiodateien importieren...</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Neues Projekt</translation>
    </message>
    <message>
        <source>Open Project...</source>
        <translation>Projekt öffnen...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation>Projekt speichern unter...</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Auto Rotate All Photos</source>
        <translation>Alle Fotos automatisch drehen</translation>
    </message>
    <message>
        <source>Auto Rotate Photos While Importing</source>
        <translation>Fotos beim Import automatisch drehen</translation>
    </message>
    <message>
        <source>&amp;Create DVD</source>
        <translation>DVD &amp;erstellen</translation>
    </message>
    <message>
        <source>Do &amp;Nothing</source>
        <translation>&amp;Nichts tun</translation>
    </message>
    <message>
        <source>&amp;Exit Program</source>
        <translation>Programm &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Hibernate</source>
        <translation>&amp;Ruhezustand</translation>
    </message>
    <message>
        <source>&amp;Shut Down</source>
        <translation>&amp;Herunterfahren</translation>
    </message>
    <message>
        <source>Stand &amp;By</source>
        <translation>&amp;Bereitschaft</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Aufsteigend</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Absteigend</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Sortieren nach</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Aktionen</translation>
    </message>
    <message>
        <source>Action &amp;After Making</source>
        <translation>Aktion &amp;nach dem Erstellen</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <source>Select One or More Files</source>
        <translation>Eine oder mehrere Dateien wählen</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Einen Ordner wählen</translation>
    </message>
    <message>
        <source>Photo Duration</source>
        <translation>Fotodauer</translation>
    </message>
    <message>
        <source>Transition Duration</source>
        <translation>Übergangsdauer</translation>
    </message>
    <message>
        <source>Transition Type</source>
        <translation>Übergangsart</translation>
    </message>
    <message>
        <source>Loop Audio</source>
        <translation>Audio wiederholen</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>Zuletzt geöffnete Projekte</translation>
    </message>
    <message>
        <source>Sound is not available (%1); the preview plays without sound.</source>
        <translation>Ton ist nicht verfügbar (%1); die Vorschau läuft ohne Ton.</translation>
    </message>
    <message>
        <source>DVD Settings</source>
        <translation>DVD-Einstellungen</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Sorvel Projects (*.sorvel)</source>
        <translation>Sorvel-Projekte (*.sorvel)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>The album &quot;%1&quot; has changes that are not saved.
Do you want to save them?</source>
        <translation>Das Album „%1“ enthält ungespeicherte Änderungen.
Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>%1 wird geöffnet...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation>Projekt speichern unter</translation>
    </message>
    <message>
        <source>Even out the loudness</source>
        <translation>Lautstärke angleichen</translation>
    </message>
    <message>
        <source>Fade in and out</source>
        <translation>Ein- und ausblenden</translation>
    </message>
    <message>
        <source>Fade length</source>
        <translation>Blendenlänge</translation>
    </message>
    <message>
        <source>Crossfade</source>
        <translation>Überblendung</translation>
    </message>
    <message>
        <source>Even Out the Loudness</source>
        <translation>Lautstärke angleichen</translation>
    </message>
    <message>
        <source>Fade In and Out</source>
        <translation>Ein- und ausblenden</translation>
    </message>
    <message>
        <source>Fade Length</source>
        <translation>Blendenlänge</translation>
    </message>
    <message>
        <source>Framing</source>
        <translation>Bildausschnitt</translation>
    </message>
    <message>
        <source>Photos of another shape than the picture: whole with black bars, filling the picture (the edges cut off), or whole on a blurred copy of themselves</source>
        <translation>Fotos anderer Form als das Bild: ganz mit schwarzen Balken, bildfüllend (die Ränder abgeschnitten) oder ganz vor einer unscharfen Kopie ihrer selbst</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Blurred Backdrop</source>
        <translation>Unscharfer Hintergrund</translation>
    </message>
    <message>
        <source>&amp;Export Video...</source>
        <translation>Video &amp;exportieren...</translation>
    </message>
    <message>
        <source>Export the slideshow as an MP4 video file</source>
        <translation>Die Diashow als MP4-Videodatei exportieren</translation>
    </message>
    <message>
        <source>The preview is not available on this display (%1): it cannot show OpenGL. Everything else, making DVDs included, works.</source>
        <translation>Die Vorschau ist auf dieser Anzeige nicht verfügbar (%1): sie kann kein OpenGL darstellen. Alles andere, auch das Erstellen von DVDs, funktioniert.</translation>
    </message>
    <message>
        <source>Export Video</source>
        <translation>Video exportieren</translation>
    </message>
    <message>
        <source>Relink Missing Files...</source>
        <translation>Fehlende Dateien neu verknüpfen...</translation>
    </message>
    <message>
        <source>the name is not valid text; rename the file</source>
        <translation>der Name ist kein gültiger Text; benennen Sie die Datei um</translation>
    </message>
    <message>
        <source>Apply Caption Style to All</source>
        <translation>Stil der Bildunterschrift auf alle anwenden</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Bildunterschrift</translation>
    </message>
    <message>
        <source>Title Card</source>
        <translation>Titelkarte</translation>
    </message>
    <message>
        <source>Add Title Card</source>
        <translation>Titelkarte hinzufügen</translation>
    </message>
    <message>
        <source>Caption...</source>
        <translation>Bildunterschrift...</translation>
    </message>
    <message>
        <source>Add Title Card...</source>
        <translation>Titelkarte hinzufügen...</translation>
    </message>
    <message>
        <source>Some values of the project are outside what the editor offers and have been changed; saving the project keeps the new values:</source>
        <translation>Einige Werte des Projekts liegen außerhalb dessen, was der Editor anbietet, und wurden geändert; beim Speichern behält das Projekt die neuen Werte:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>The project cannot be saved to %1: %2.</source>
        <translation>Das Projekt kann nicht unter %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the project are missing or cannot be read. They keep their places in the album and are saved with it, but the preview and the DVD leave them out until they are found. Relink searches a folder (and the folders in it) for them by name.</source>
        <translation>
            <numerusform>%n Datei des Projekts fehlt oder kann nicht gelesen werden. Sie behält ihren Platz im Album und wird mit ihm gespeichert, aber Vorschau und DVD lassen sie aus, bis sie gefunden ist. Neu verknüpfen sucht sie in einem Ordner (und seinen Unterordnern) nach dem Namen.</numerusform>
            <numerusform>%n Dateien des Projekts fehlen oder können nicht gelesen werden. Sie behalten ihren Platz im Album und werden mit ihm gespeichert, aber Vorschau und DVD lassen sie aus, bis sie gefunden sind. Neu verknüpfen sucht sie in einem Ordner (und seinen Unterordnern) nach dem Namen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Relink...</source>
        <translation>Neu verknüpfen...</translation>
    </message>
    <message>
        <source>Relink: Search a Folder</source>
        <translation>Neu verknüpfen: Ordner durchsuchen</translation>
    </message>
    <message>
        <source>Searching %1...</source>
        <translation>%1 wird durchsucht...</translation>
    </message>
    <message>
        <source>Relink</source>
        <translation>Neu verknüpfen</translation>
    </message>
    <message>
        <source>Relink Files</source>
        <translation>Dateien neu verknüpfen</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) found again.</source>
        <translation>
            <numerusform>%n Datei wiedergefunden.</numerusform>
            <numerusform>%n Dateien wiedergefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found again; %2 still missing:</source>
        <translation>%1 wiedergefunden; %2 fehlen noch:</translation>
    </message>
    <message>
        <source>An album that was never saved</source>
        <translation>Ein nie gespeichertes Album</translation>
    </message>
    <message>
        <source>The album &quot;%1&quot;</source>
        <translation>Das Album „%1“</translation>
    </message>
    <message numerus="yes">
        <source>%1 was not closed properly. Its unsaved changes were kept at %2 (%n photo(s)).
Do you want to recover them?</source>
        <translation>
            <numerusform>%1 wurde nicht ordnungsgemäß geschlossen. Die ungespeicherten Änderungen wurden in %2 aufbewahrt (%n Foto).
Möchten Sie sie wiederherstellen?</numerusform>
            <numerusform>%1 wurde nicht ordnungsgemäß geschlossen. Die ungespeicherten Änderungen wurden in %2 aufbewahrt (%n Fotos).
Möchten Sie sie wiederherstellen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>Ungespeicherte Arbeit wiederherstellen</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
</context>
<context>
    <name>ExportVideoDialog</name>
    <message>
        <source>Export Video</source>
        <translation>Video exportieren</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>S&amp;hape:</source>
        <translation>&amp;Form:</translation>
    </message>
    <message>
        <source>Frame &amp;rate:</source>
        <translation>Bild&amp;rate:</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualität:</translation>
    </message>
    <message>
        <source>Estimated size:</source>
        <translation>Geschätzte Größe:</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>720p (HD)</source>
        <translation>720p (HD)</translation>
    </message>
    <message>
        <source>1080p (Full HD)</source>
        <translation>1080p (Full HD)</translation>
    </message>
    <message>
        <source>2160p (4K)</source>
        <translation>2160p (4K)</translation>
    </message>
    <message>
        <source>16:9 (wide screen)</source>
        <translation>16:9 (Breitbild)</translation>
    </message>
    <message>
        <source>4:3</source>
        <translation>4:3</translation>
    </message>
    <message>
        <source>9:16 (upright, for phones)</source>
        <translation>9:16 (hochkant, für Handys)</translation>
    </message>
    <message>
        <source>1:1 (square)</source>
        <translation>1:1 (quadratisch)</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Small file</source>
        <translation>Kleine Datei</translation>
    </message>
    <message>
        <source>%1 (CRF %2)</source>
        <translation>%1 (CRF %2)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Estimated size</source>
        <translation>Geschätzte Größe</translation>
    </message>
    <message>
        <source>Where the video goes (.mp4)</source>
        <translation>Wohin das Video geschrieben wird (.mp4)</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Diashow</translation>
    </message>
    <message>
        <source>About %1 GB</source>
        <translation>Etwa %1 GB</translation>
    </message>
    <message>
        <source>About %1 MB</source>
        <translation>Etwa %1 MB</translation>
    </message>
    <message>
        <source>%1 (%2 x %3 pixels)</source>
        <translation>%1 (%2 x %3 Pixel)</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>MP4-Video (*.mp4)</translation>
    </message>
</context>
<context>
    <name>FileCheck</name>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>eine benannte Pipe (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine normale Datei</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Import Progress</source>
        <translation>Importfortschritt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>%1 wird importiert...</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Some files have not been added to the list:</source>
        <translation>Einige Dateien wurden nicht zur Liste hinzugefügt:</translation>
    </message>
</context>
<context>
    <name>MainWindowBase</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Read Me</source>
        <translation>Liesmich</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>%1 %2
Turns photos and music into DVD-Video slideshows.</source>
        <translation>%1 %2
Macht aus Fotos und Musik DVD-Video-Diashows.</translation>
    </message>
</context>
<context>
    <name>MakeDvd</name>
    <message numerus="yes">
        <source>%n photo(s)</source>
        <translation>
            <numerusform>%n Foto</numerusform>
            <numerusform>%n Fotos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n audio clip(s)</source>
        <translation>
            <numerusform>%n Audioclip</numerusform>
            <numerusform>%n Audioclips</numerusform>
        </translation>
    </message>
    <message>
        <source>Burning the next copy...</source>
        <translation>Die nächste Kopie wird gebrannt...</translation>
    </message>
    <message>
        <source>Done in %1.</source>
        <translation>Fertig in %1.</translation>
    </message>
    <message>
        <source>(answer with --yes to go on)</source>
        <translation>(mit --yes fortfahren)</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Unterbrochen.</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>Details: %1</source>
        <translation>Einzelheiten: %1</translation>
    </message>
    <message>
        <source>Aborting...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message>
        <source>Opening the project %1...</source>
        <translation>Das Projekt %1 wird geöffnet...</translation>
    </message>
    <message>
        <source>the project has no photo to make a slideshow from</source>
        <translation>das Projekt enthält kein Foto für eine Diashow</translation>
    </message>
    <message>
        <source>Sync with audio: the music gives less than 1 s or more than 999 s a photo; the photo duration stays %1 ms.</source>
        <translation>An Musik anpassen: Die Musik ergibt weniger als 1 s oder mehr als 999 s pro Foto; die Fotodauer bleibt %1 ms.</translation>
    </message>
    <message>
        <source>Importing %1 and %2...</source>
        <translation>%1 und %2 werden importiert...</translation>
    </message>
    <message numerus="yes">
        <source>%n audio file(s)</source>
        <translation>
            <numerusform>%n Audiodatei</numerusform>
            <numerusform>%n Audiodateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Some files have not been added to the list:</source>
        <translation>Einige Dateien wurden nicht in die Liste aufgenommen:</translation>
    </message>
    <message>
        <source>no photo to make a slideshow from</source>
        <translation>kein Foto für eine Diashow</translation>
    </message>
    <message>
        <source>Output (exactly one is required):</source>
        <translation>Ausgabe (genau eine ist erforderlich):</translation>
    </message>
    <message>
        <source>write the DVD folder into DIR/&lt;volume label&gt;</source>
        <translation>den DVD-Ordner in DIR/&lt;Datenträgerbezeichnung&gt; schreiben</translation>
    </message>
    <message>
        <source>write an ISO image (&quot;.iso&quot; is appended if missing)</source>
        <translation>ein ISO-Abbild schreiben („.iso“ wird bei Bedarf angehängt)</translation>
    </message>
    <message>
        <source>burn to a recorder (/dev/sr0, or stdio:/path/disc.img)</source>
        <translation>auf einen Brenner brennen (/dev/sr0 oder stdio:/pfad/disc.img)</translation>
    </message>
    <message>
        <source>DVD:</source>
        <translation>DVD:</translation>
    </message>
    <message>
        <source>disc label (default &quot;My DVD&quot;)</source>
        <translation>Datenträgerbezeichnung (Standard „My DVD“)</translation>
    </message>
    <message>
        <source>TV standard (default: from the settings or the locale)</source>
        <translation>Fernsehnorm (Standard: aus den Einstellungen oder dem Gebietsschema)</translation>
    </message>
    <message>
        <source>high (up to 9 Mbit/s), normal (5), low (2) or a rate 2..9: the most the video may take; stills take less</source>
        <translation>high (bis 9 Mbit/s), normal (5), low (2) oder eine Rate 2..9: höchstens so viel darf das Video belegen; Standbilder brauchen weniger</translation>
    </message>
    <message>
        <source>AC-3 bit rate, 128..448 (default 192)</source>
        <translation>AC-3-Bitrate, 128..448 (Standard 192)</translation>
    </message>
    <message>
        <source>audio channels (default 2)</source>
        <translation>Audiokanäle (Standard 2)</translation>
    </message>
    <message>
        <source>when the show ends, play it again (default) or stop</source>
        <translation>am Ende der Show erneut abspielen (Standard) oder anhalten</translation>
    </message>
    <message>
        <source>Slideshow:</source>
        <translation>Diashow:</translation>
    </message>
    <message>
        <source>time each photo is shown, 1000..999000 (default 5000)</source>
        <translation>Anzeigedauer jedes Fotos, 1000..999000 (Standard 5000)</translation>
    </message>
    <message>
        <source>time of each transition, 500..5000 (default 1500); both durations are snapped to whole video frames</source>
        <translation>Dauer jedes Übergangs, 500..5000 (Standard 1500); beide Dauern werden auf ganze Videobilder gerundet</translation>
    </message>
    <message>
        <source>cut from photo to photo</source>
        <translation>harter Schnitt von Foto zu Foto</translation>
    </message>
    <message>
        <source>dissolves instead of pattern wipes</source>
        <translation>Überblenden statt Musterblenden</translation>
    </message>
    <message>
        <source>no pan-and-zoom</source>
        <translation>kein Schwenk und Zoom</translation>
    </message>
    <message>
        <source>restart the music when it ends before the photos</source>
        <translation>die Musik neu starten, wenn sie vor den Fotos endet</translation>
    </message>
    <message>
        <source>fit the photo time to the length of the music</source>
        <translation>die Fotodauer an die Länge der Musik anpassen</translation>
    </message>
    <message>
        <source>ignore the photos&apos; EXIF orientation</source>
        <translation>die EXIF-Ausrichtung der Fotos nicht beachten</translation>
    </message>
    <message>
        <source>Run:</source>
        <translation>Ausführung:</translation>
    </message>
    <message>
        <source>working folder (default: the TemporaryDir setting); each run works in its own new subfolder of it</source>
        <translation>Arbeitsordner (Standard: die Einstellung TemporaryDir); jeder Lauf arbeitet in einem eigenen neuen Unterordner</translation>
    </message>
    <message>
        <source>keep the run&apos;s working subfolder</source>
        <translation>den Arbeitsunterordner des Laufs behalten</translation>
    </message>
    <message>
        <source>discs to burn with --to-drive (default 1)</source>
        <translation>Anzahl der Discs für --to-drive (Standard 1)</translation>
    </message>
    <message>
        <source>burn speed, &quot;Max&quot; or e.g. 8X (default Max)</source>
        <translation>Brenngeschwindigkeit, „Max“ oder z. B. 8X (Standard Max)</translation>
    </message>
    <message>
        <source>answer Yes to questions (overwrite, clear, non-blank disc); without it a question ends the run with exit code 1</source>
        <translation>Fragen mit Ja beantworten (Überschreiben, Leeren, nicht leere Disc); ohne diese Option beendet eine Frage den Lauf mit Exit-Code 1</translation>
    </message>
    <message>
        <source>print only errors and the result</source>
        <translation>nur Fehler und das Ergebnis ausgeben</translation>
    </message>
    <message>
        <source>print the diagnostic messages of the program and of the libraries it uses (FFmpeg, Qt) too; they always go to the diagnostic log, make-dvd.log in the cache folder</source>
        <translation>auch die Diagnosemeldungen des Programms und seiner Bibliotheken (FFmpeg, Qt) ausgeben; sie stehen immer im Diagnoseprotokoll make-dvd.log im Cache-Ordner</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>diese Hilfe zeigen</translation>
    </message>
    <message>
        <source>Usage: sorvel make-dvd [OPTIONS] PATH...
       sorvel make-dvd [OPTIONS] PROJECT.sorvel
</source>
        <translation>Aufruf: sorvel make-dvd [OPTIONEN] PFAD...
       sorvel make-dvd [OPTIONEN] PROJEKT.sorvel
</translation>
    </message>
    <message>
        <source>Makes a DVD-Video slideshow from photos and music without opening a window.</source>
        <translation>Erstellt eine DVD-Video-Diashow aus Fotos und Musik, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>PATH: photo files, audio files or folders. A folder adds its photos and audio files (one level, in name order). Photos and clips keep the order given.</source>
        <translation>PFAD: Fotodateien, Audiodateien oder Ordner. Ein Ordner fügt seine Fotos und Audiodateien hinzu (eine Ebene, nach Namen sortiert). Fotos und Clips behalten die angegebene Reihenfolge.</translation>
    </message>
    <message>
        <source>PROJECT.sorvel: a saved project with its photos, clips, settings and DVD choices; the options given here override the project&apos;s.</source>
        <translation>PROJEKT.sorvel: ein gespeichertes Projekt mit Fotos, Clips, Einstellungen und DVD-Optionen; die hier angegebenen Optionen haben Vorrang vor denen des Projekts.</translation>
    </message>
    <message>
        <source>Exit codes: 0 the output is complete, 1 failure, 2 usage error.</source>
        <translation>Exit-Codes: 0 die Ausgabe ist vollständig, 1 Fehler, 2 falscher Aufruf.</translation>
    </message>
    <message>
        <source>Ctrl-C aborts cleanly: child programs end and the working subfolder is removed.</source>
        <translation>Strg+C bricht sauber ab: Kindprozesse enden und der Arbeitsunterordner wird entfernt.</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>Option %1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>option %1 needs a non-empty value</source>
        <translation>Option %1 braucht einen nicht leeren Wert</translation>
    </message>
    <message>
        <source>--standard must be PAL or NTSC</source>
        <translation>--standard muss PAL oder NTSC sein</translation>
    </message>
    <message>
        <source>--quality must be high, normal, low or a number from 2 to 9</source>
        <translation>--quality muss high, normal, low oder eine Zahl von 2 bis 9 sein</translation>
    </message>
    <message>
        <source>--audio-bitrate must be a number from 128 to 448</source>
        <translation>--audio-bitrate muss eine Zahl von 128 bis 448 sein</translation>
    </message>
    <message>
        <source>--channels must be 1, 2 or 6</source>
        <translation>--channels muss 1, 2 oder 6 sein</translation>
    </message>
    <message>
        <source>--at-end must be repeat or stop</source>
        <translation>--at-end muss repeat oder stop sein</translation>
    </message>
    <message>
        <source>%1 must be a number of milliseconds from %2 to %3</source>
        <translation>%1 muss eine Zahl von Millisekunden von %2 bis %3 sein</translation>
    </message>
    <message>
        <source>--copies must be a number from 1 to 99</source>
        <translation>--copies muss eine Zahl von 1 bis 99 sein</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>one output is required: --to-folder, --to-iso or --to-drive</source>
        <translation>eine Ausgabe ist erforderlich: --to-folder, --to-iso oder --to-drive</translation>
    </message>
    <message>
        <source>give only one of --to-folder, --to-iso and --to-drive</source>
        <translation>nur eine von --to-folder, --to-iso und --to-drive angeben</translation>
    </message>
    <message>
        <source>no photos or folders given</source>
        <translation>keine Fotos oder Ordner angegeben</translation>
    </message>
    <message>
        <source>--copies is only for --to-drive</source>
        <translation>--copies gilt nur für --to-drive</translation>
    </message>
    <message>
        <source>Not photos or audio by their names, not taken from the folders:</source>
        <translation>Dem Namen nach weder Fotos noch Audio, nicht aus den Ordnern übernommen:</translation>
    </message>
    <message>
        <source>bring every clip to one loudness (-16 LUFS; the default) or play the clips at their own levels</source>
        <translation>alle Clips auf eine Lautheit bringen (-16 LUFS; Standard) oder die Clips in ihrer eigenen Lautstärke abspielen</translation>
    </message>
    <message>
        <source>fade the music in at its start and out at the end of the show, 500..10000 ms (0: no fade, the default)</source>
        <translation>die Musik am Anfang ein- und am Ende der Show ausblenden, 500..10000 ms (0: keine Blende, Standard)</translation>
    </message>
    <message>
        <source>overlap consecutive clips, 0..10000 ms (default 0)</source>
        <translation>aufeinanderfolgende Clips überlappen, 0..10000 ms (Standard 0)</translation>
    </message>
    <message>
        <source>--loudness must be even or keep</source>
        <translation>--loudness muss even oder keep sein</translation>
    </message>
    <message>
        <source>--fade must be 0 or a number of milliseconds from %1 to %2</source>
        <translation>--fade muss 0 oder eine Zahl von Millisekunden von %1 bis %2 sein</translation>
    </message>
    <message>
        <source>--crossfade must be a number of milliseconds from 0 to %1</source>
        <translation>--crossfade muss eine Zahl von Millisekunden von 0 bis %1 sein</translation>
    </message>
    <message>
        <source>%1, %2, %3 s of video, %4 x %5 (%6) at %7 frames/s, H.264 CRF %8</source>
        <translation>%1, %2, %3 s Video, %4 x %5 (%6) mit %7 Bildern/s, H.264 CRF %8</translation>
    </message>
    <message>
        <source>%1, %2, %3 s of video, %4 %5, up to %6 Mbit/s</source>
        <translation>%1, %2, %3 s Video, %4 %5, bis zu %6 Mbit/s</translation>
    </message>
    <message>
        <source>Some files of the project are missing or cannot be read:</source>
        <translation>Einige Dateien des Projekts fehlen oder können nicht gelesen werden:</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the project are missing; give --yes to make the DVD without them</source>
        <translation>
            <numerusform>%n Datei des Projekts fehlt; geben Sie --yes an, um die DVD ohne sie zu erstellen</numerusform>
            <numerusform>%n Dateien des Projekts fehlen; geben Sie --yes an, um die DVD ohne sie zu erstellen</numerusform>
        </translation>
    </message>
    <message>
        <source>Making the DVD without them</source>
        <translation>Die DVD wird ohne sie erstellt</translation>
    </message>
    <message>
        <source>photos of another shape than the picture: whole with black bars (default), filling it (the centre kept), or whole on a blurred, darkened copy of themselves</source>
        <translation>Fotos anderer Form als das Bild: ganz mit schwarzen Balken (Standard), bildfüllend (die Mitte bleibt) oder ganz vor einer unscharfen, abgedunkelten Kopie ihrer selbst</translation>
    </message>
    <message>
        <source>the picture&apos;s shape: widescreen (default) or 4:3; a 4:3 television shows 16:9 letterboxed</source>
        <translation>die Bildform: Breitbild (Standard) oder 4:3; ein 4:3-Fernseher zeigt 16:9 mit Balken</translation>
    </message>
    <message>
        <source>a chapter at every photo (default), so a remote&apos;s Next and Previous step through them, or none</source>
        <translation>ein Kapitel an jedem Foto (Standard), damit Weiter und Zurück der Fernbedienung hindurchspringen, oder keine</translation>
    </message>
    <message>
        <source>the disc opens on a menu with Play and an index of the photos (default; with chapters at the photos), or starts the show at once</source>
        <translation>die Disc öffnet mit einem Menü mit Abspielen und einer Übersicht der Fotos (Standard; mit Kapiteln an den Fotos) oder startet die Show sofort</translation>
    </message>
    <message>
        <source>Output (required):</source>
        <translation>Ausgabe (erforderlich):</translation>
    </message>
    <message>
        <source>the video file (&quot;.mp4&quot; is appended if missing)</source>
        <translation>die Videodatei („.mp4“ wird angehängt, falls es fehlt)</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>Video:</translation>
    </message>
    <message>
        <source>the picture&apos;s short side (default 1080p)</source>
        <translation>die kurze Seite des Bildes (Standard 1080p)</translation>
    </message>
    <message>
        <source>the picture&apos;s shape; 9:16 stands upright for phones (default 16:9)</source>
        <translation>die Bildform; 9:16 steht hochkant für Handys (Standard 16:9)</translation>
    </message>
    <message>
        <source>frames a second (default 30)</source>
        <translation>Bilder pro Sekunde (Standard 30)</translation>
    </message>
    <message>
        <source>high (CRF 18), normal (CRF 21, default) or small (CRF 26): lower CRF is sharper and larger</source>
        <translation>hoch (CRF 18), normal (CRF 21, Standard) oder klein (CRF 26): niedrigerer CRF ist schärfer und größer</translation>
    </message>
    <message>
        <source>overwrite an existing file; without it an existing file ends the run with exit code 1</source>
        <translation>eine vorhandene Datei überschreiben; ohne diese Option beendet eine vorhandene Datei den Lauf mit Exit-Code 1</translation>
    </message>
    <message>
        <source>print the diagnostic messages of the program and of the libraries it uses (FFmpeg, Qt) too; they always go to the diagnostic log, make-video.log in the cache folder</source>
        <translation>auch die Diagnosemeldungen des Programms und der verwendeten Bibliotheken (FFmpeg, Qt) ausgeben; sie gehen immer in das Diagnoseprotokoll make-video.log im Cache-Ordner</translation>
    </message>
    <message>
        <source>Usage: sorvel make-video [OPTIONS] --to FILE.mp4 PATH...
       sorvel make-video [OPTIONS] --to FILE.mp4 PROJECT.sorvel
</source>
        <translation>Aufruf: sorvel make-video [OPTIONEN] --to DATEI.mp4 PFAD...
        sorvel make-video [OPTIONEN] --to DATEI.mp4 PROJEKT.sorvel
</translation>
    </message>
    <message>
        <source>Makes an MP4 video file (H.264 and AAC, a chapter at every photo) of a slideshow from photos and music without opening a window.</source>
        <translation>Erstellt eine MP4-Videodatei (H.264 und AAC, ein Kapitel an jedem Foto) einer Diashow aus Fotos und Musik, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>PROJECT.sorvel: a saved project with its photos, clips, settings and video choices; the options given here override the project&apos;s.</source>
        <translation>PROJEKT.sorvel: ein gespeichertes Projekt mit seinen Fotos, Clips, Einstellungen und Videoeinstellungen; die hier angegebenen Optionen haben Vorrang vor denen des Projekts.</translation>
    </message>
    <message>
        <source>Ctrl-C aborts cleanly: nothing of the file is left.</source>
        <translation>Strg-C bricht sauber ab: von der Datei bleibt nichts zurück.</translation>
    </message>
    <message>
        <source>option %1 is for make-dvd</source>
        <translation>Option %1 gilt für make-dvd</translation>
    </message>
    <message>
        <source>option %1 is for make-video</source>
        <translation>Option %1 gilt für make-video</translation>
    </message>
    <message>
        <source>option --to needs a non-empty value</source>
        <translation>Option --to braucht einen nicht leeren Wert</translation>
    </message>
    <message>
        <source>--size must be 720p, 1080p or 2160p</source>
        <translation>--size muss 720p, 1080p oder 2160p sein</translation>
    </message>
    <message>
        <source>--shape must be 16:9, 4:3, 9:16 or 1:1</source>
        <translation>--shape muss 16:9, 4:3, 9:16 oder 1:1 sein</translation>
    </message>
    <message>
        <source>--fps must be 25, 30, 50 or 60</source>
        <translation>--fps muss 25, 30, 50 oder 60 sein</translation>
    </message>
    <message>
        <source>--quality must be high, normal or small</source>
        <translation>--quality muss high, normal oder small sein</translation>
    </message>
    <message>
        <source>--aspect must be 16:9 or 4:3</source>
        <translation>--aspect muss 16:9 oder 4:3 sein</translation>
    </message>
    <message>
        <source>--chapters must be photo or none</source>
        <translation>--chapters muss photo oder none sein</translation>
    </message>
    <message>
        <source>--framing must be fit, fill or blur</source>
        <translation>--framing muss fit, fill oder blur sein</translation>
    </message>
    <message>
        <source>the output is required: --to FILE.mp4</source>
        <translation>die Ausgabe ist erforderlich: --to DATEI.mp4</translation>
    </message>
    <message>
        <source>give --to only once</source>
        <translation>geben Sie --to nur einmal an</translation>
    </message>
    <message>
        <source>neither a picture nor a sound file</source>
        <translation>weder ein Bild noch eine Audiodatei</translation>
    </message>
    <message>
        <source>the folder cannot be read</source>
        <translation>der Ordner kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the name is not valid text; rename the file</source>
        <translation>der Name ist kein gültiger Text; benennen Sie die Datei um</translation>
    </message>
    <message>
        <source>--menu-background: %1 is not a photo of the show</source>
        <translation>--menu-background: %1 ist kein Foto der Show</translation>
    </message>
    <message>
        <source>the words on the menu&apos;s main page, any text (default: the volume label)</source>
        <translation>der Text auf der Hauptseite des Menüs, beliebiger Text (Standard: die Datenträgerbezeichnung)</translation>
    </message>
    <message>
        <source>the photo of the show behind the menu (default: the first photo)</source>
        <translation>das Foto der Show hinter dem Menü (Standard: das erste Foto)</translation>
    </message>
    <message>
        <source>the first music clip plays under the menu, faded, again and again (default when there is music), or the menu is silent</source>
        <translation>der erste Audioclip läuft unter dem Menü, ein- und ausgeblendet, immer wieder (Standard, wenn es Musik gibt), oder das Menü bleibt still</translation>
    </message>
</context>
<context>
    <name>MakeJob</name>
    <message>
        <source>Checking the destination...</source>
        <translation>Das Ziel wird geprüft...</translation>
    </message>
    <message>
        <source>Creating video...</source>
        <translation>Video wird erstellt...</translation>
    </message>
    <message>
        <source>Creating menu...</source>
        <translation>Menü wird erstellt...</translation>
    </message>
    <message>
        <source>Creating DVD...</source>
        <translation>DVD wird erstellt...</translation>
    </message>
    <message>
        <source>Creating DVD Folder</source>
        <translation>DVD-Ordner wird erstellt</translation>
    </message>
    <message>
        <source>Creating ISO</source>
        <translation>ISO wird erstellt</translation>
    </message>
    <message>
        <source>Checking disc</source>
        <translation>Disc wird geprüft</translation>
    </message>
    <message>
        <source>Erasing</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Burning disc</source>
        <translation>Disc wird gebrannt</translation>
    </message>
    <message>
        <source>Finalizing disc</source>
        <translation>Disc wird abgeschlossen</translation>
    </message>
    <message>
        <source>The temporary folder %1 does not exist and cannot be created.</source>
        <translation>Der temporäre Ordner %1 existiert nicht und kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1: %2</source>
        <translation>Im Ordner %1 kann kein Arbeitsordner angelegt werden: %2</translation>
    </message>
    <message>
        <source>The album has no photos.</source>
        <translation>Das Album enthält keine Fotos.</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Disc checking stopped</source>
        <translation>Prüfung der Disc angehalten</translation>
    </message>
    <message>
        <source>the folder cannot be marked as in use</source>
        <translation>der Ordner kann nicht als belegt markiert werden</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>The show needs about %1, more than the largest DVD holds (%2 on a double-layer disc).</source>
        <translation>Die Show braucht etwa %1, mehr als die größte DVD fasst (%2 auf einer Double-Layer-Disc).</translation>
    </message>
    <message>
        <source>No DVD can hold the image. Make it anyway?</source>
        <translation>Keine DVD kann das Abbild aufnehmen. Trotzdem erstellen?</translation>
    </message>
    <message>
        <source>Choose a lower quality, or make the show shorter (fewer photos or a shorter time for each).</source>
        <translation>Wählen Sie eine niedrigere Qualität oder kürzen Sie die Show (weniger Fotos oder kürzere Zeit für jedes).</translation>
    </message>
    <message>
        <source>Please choose the video file.</source>
        <translation>Bitte wählen Sie die Videodatei.</translation>
    </message>
    <message>
        <source>%1 is a folder; please choose a file name.</source>
        <translation>%1 ist ein Ordner; bitte wählen Sie einen Dateinamen.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot write to %1.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The file system of %1 does not support files larger than 4 GB; please choose another place.</source>
        <translation>Das Dateisystem von %1 unterstützt keine Dateien über 4 GB; bitte wählen Sie einen anderen Ort.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; will be overwritten. Do you want to continue?</source>
        <translation>Die Datei „%1“ wird überschrieben. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Not enough space available on %1: the video needs about %2 MB.</source>
        <translation>Nicht genug Platz auf %1: das Video braucht etwa %2 MB.</translation>
    </message>
</context>
<context>
    <name>MediaInfoWidget</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Auflösung:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Geändert:</translation>
    </message>
    <message>
        <source>Equipment Make:</source>
        <translation>Hersteller:</translation>
    </message>
    <message>
        <source>Camera Model:</source>
        <translation>Kameramodell:</translation>
    </message>
    <message>
        <source>Software:</source>
        <translation>Software:</translation>
    </message>
    <message>
        <source>Compressed Bit-Per-Pixel:</source>
        <translation>Komprimierte Bits pro Pixel:</translation>
    </message>
    <message>
        <source>Exposure Time:</source>
        <translation>Belichtungszeit:</translation>
    </message>
    <message>
        <source>F-Number:</source>
        <translation>Blendenzahl:</translation>
    </message>
    <message>
        <source>Exposure Mode:</source>
        <translation>Belichtungsmodus:</translation>
    </message>
    <message>
        <source>Exposure Bias:</source>
        <translation>Belichtungskorrektur:</translation>
    </message>
    <message>
        <source>Max Aperture:</source>
        <translation>Größte Blende:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Abtastrate:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>%1KB</source>
        <comment>file size in kilobytes</comment>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1Hz</source>
        <comment>sample rate</comment>
        <translation>%1 Hz</translation>
    </message>
</context>
<context>
    <name>MediaTypes</name>
    <message>
        <source>JPEG Files</source>
        <translation>JPEG-Dateien</translation>
    </message>
    <message>
        <source>HEIF Files</source>
        <translation>HEIF-Dateien</translation>
    </message>
    <message>
        <source>AVIF Files</source>
        <translation>AVIF-Dateien</translation>
    </message>
    <message>
        <source>WebP Files</source>
        <translation>WebP-Dateien</translation>
    </message>
    <message>
        <source>PNG Files</source>
        <translation>PNG-Dateien</translation>
    </message>
    <message>
        <source>TIFF Files</source>
        <translation>TIFF-Dateien</translation>
    </message>
    <message>
        <source>BMP Files</source>
        <translation>BMP-Dateien</translation>
    </message>
    <message>
        <source>GIF Files</source>
        <translation>GIF-Dateien</translation>
    </message>
    <message>
        <source>XBM Files</source>
        <translation>XBM-Dateien</translation>
    </message>
    <message>
        <source>XPM Files</source>
        <translation>XPM-Dateien</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>MP3-Dateien</translation>
    </message>
    <message>
        <source>AAC and M4A Files</source>
        <translation>AAC- und M4A-Dateien</translation>
    </message>
    <message>
        <source>Ogg Files</source>
        <translation>Ogg-Dateien</translation>
    </message>
    <message>
        <source>FLAC Files</source>
        <translation>FLAC-Dateien</translation>
    </message>
    <message>
        <source>WAV Files</source>
        <translation>WAV-Dateien</translation>
    </message>
    <message>
        <source>WebM and Matroska Files</source>
        <translation>WebM- und Matroska-Dateien</translation>
    </message>
    <message>
        <source>AIFF Files</source>
        <translation>AIFF-Dateien</translation>
    </message>
    <message>
        <source>AC3 Files</source>
        <translation>AC3-Dateien</translation>
    </message>
    <message>
        <source>WMA Files</source>
        <translation>WMA-Dateien</translation>
    </message>
    <message>
        <source>Other Audio Files</source>
        <translation>Weitere Audiodateien</translation>
    </message>
</context>
<context>
    <name>PhotoListWidget</name>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Kippen</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Dimension</source>
        <translation>Abmessungen</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Farbtiefe</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Übergang</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Auto Rotate</source>
        <translation>Automatisch drehen</translation>
    </message>
    <message>
        <source>Auto Rotate All Photos</source>
        <translation>Alle Fotos automatisch drehen</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Drag Photo(s) Here</source>
        <translation>Fotos hierher ziehen</translation>
    </message>
    <message>
        <source>Import Photos</source>
        <translation>Fotos importieren</translation>
    </message>
    <message>
        <source>Copy Photos</source>
        <translation>Fotos kopieren</translation>
    </message>
    <message>
        <source>Move Photos</source>
        <translation>Fotos verschieben</translation>
    </message>
    <message>
        <source>%1 Bits</source>
        <comment>colour depth</comment>
        <translation>%1 Bit</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Fehlt</translation>
    </message>
    <message>
        <source>Left out of the preview and the DVD until it is found (Relink...).</source>
        <translation>Bis sie gefunden ist, aus Vorschau und DVD ausgelassen (Neu verknüpfen...).</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (fehlt)</translation>
    </message>
    <message>
        <source>Title card</source>
        <translation>Titelkarte</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Title card: %1</source>
        <translation>Titelkarte: %1</translation>
    </message>
    <message>
        <source>%1, caption: %2</source>
        <translation>%1, Bildunterschrift: %2</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Temporary Folder</source>
        <translation>Temporärer Ordner</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Button: opens the temporary folder in the file manager</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Delete temporary files after burning</source>
        <translation>Temporäre Dateien nach dem Brennen löschen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The language changes the next time Sorvel starts.</source>
        <translation>Die Sprache ändert sich beim nächsten Start von Sorvel.</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>Burn</source>
        <extracomment>Tab title: the settings used while making and burning a DVD</extracomment>
        <translation>Brennen</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Group title: the processor cores used for making</extracomment>
        <translation>Prozessor</translation>
    </message>
    <message>
        <source>Setting the CPU core number for DVD making will affect the speed and the amount of system resources required.</source>
        <translation>Die Zahl der Prozessorkerne für die DVD-Erstellung bestimmt die Geschwindigkeit und den Bedarf an Systemressourcen.</translation>
    </message>
    <message>
        <source>Use all cores (offers the highest making speed)</source>
        <translation>Alle Kerne verwenden (am schnellsten)</translation>
    </message>
    <message>
        <source>Use the least number of cores (requires the least amount of resources)</source>
        <translation>So wenige Kerne wie möglich (braucht die wenigsten Ressourcen)</translation>
    </message>
    <message>
        <source>Set Core Number:</source>
        <translation>Anzahl der Kerne:</translation>
    </message>
    <message>
        <source>Action After Making</source>
        <translation>Aktion nach dem Erstellen</translation>
    </message>
    <message>
        <source>Action After Making:</source>
        <translation>Aktion nach dem Erstellen:</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Nichts tun</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Herunterfahren</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Ruhezustand</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>Bereitschaft</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Einen Ordner wählen</translation>
    </message>
    <message>
        <source>Failed to open folder &quot;%1&quot;.</source>
        <translation>Der Ordner „%1“ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation>Der gewählte Pfad ist ungültig. Bitte wählen Sie einen anderen.</translation>
    </message>
    <message>
        <source>The selected folder is read-only, please select other folder.</source>
        <translation>Der gewählte Ordner ist schreibgeschützt. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
</context>
<context>
    <name>PreviewPlayer</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>The sound card cannot play %1 channels.</source>
        <translation>Die Soundkarte kann keine %1 Kanäle wiedergeben.</translation>
    </message>
    <message>
        <source>The sound device is no longer available.</source>
        <translation>Das Audiogerät ist nicht mehr verfügbar.</translation>
    </message>
</context>
<context>
    <name>Probe</name>
    <message>
        <source>not a picture</source>
        <translation>kein Bild</translation>
    </message>
    <message>
        <source>too large (%1 x %2 pixels)</source>
        <translation>zu groß (%1 x %2 Pixel)</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>abgeschnitten</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>beschädigt: %1</translation>
    </message>
    <message>
        <source>not a sound file</source>
        <translation>keine Audiodatei</translation>
    </message>
    <message>
        <source>has no sound the program can play</source>
        <translation>enthält keinen Ton, den das Programm abspielen kann</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Creating DVD…</source>
        <translation>DVD wird erstellt…</translation>
    </message>
    <message>
        <source>Elapsed Time: 00:00:00</source>
        <translation>Verstrichene Zeit: 00:00:00</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0 %</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Nichts tun</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Herunterfahren</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Ruhezustand</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>Bereitschaft</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Burn Next</source>
        <translation>Nächste brennen</translation>
    </message>
    <message>
        <source>Finished</source>
        <extracomment>Button that closes the progress window (a verb where the language needs one)</extracomment>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Abort or not?</source>
        <translation>Abbrechen?</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>done</source>
        <translation>erledigt</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>Creating title</source>
        <translation>Titel wird erstellt</translation>
    </message>
    <message>
        <source>Creating menu</source>
        <translation>Menü wird erstellt</translation>
    </message>
    <message>
        <source>Creating DVD</source>
        <translation>DVD wird erstellt</translation>
    </message>
    <message>
        <source>Creating DVD Folder</source>
        <translation>DVD-Ordner wird erstellt</translation>
    </message>
    <message>
        <source>Creating ISO</source>
        <translation>ISO wird erstellt</translation>
    </message>
    <message>
        <source>Checking disc</source>
        <translation>Disc wird geprüft</translation>
    </message>
    <message>
        <source>Burning disc</source>
        <translation>Disc wird gebrannt</translation>
    </message>
    <message>
        <source>Creating DVD...</source>
        <translation>DVD wird erstellt...</translation>
    </message>
    <message>
        <source>Checking the destination...</source>
        <translation>Das Ziel wird geprüft...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Creating video...</source>
        <translation>Video wird erstellt...</translation>
    </message>
    <message>
        <source>Creating menu...</source>
        <translation>Menü wird erstellt...</translation>
    </message>
    <message>
        <source>Erasing</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Finalizing disc</source>
        <translation>Disc wird abgeschlossen</translation>
    </message>
    <message>
        <source>Created Successfully!</source>
        <translation>Erfolgreich erstellt!</translation>
    </message>
    <message>
        <source>The DVD folder is %1</source>
        <translation>Der DVD-Ordner ist %1</translation>
    </message>
    <message>
        <source>The DVD image is %1</source>
        <translation>Das DVD-Abbild ist %1</translation>
    </message>
    <message>
        <source>The DVD was burnt in %1.</source>
        <translation>Die DVD wurde in %1 gebrannt.</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Failed to create DVD!</source>
        <translation>Die DVD konnte nicht erstellt werden!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Elapsed Time: %1:%2:%3</source>
        <translation>Verstrichene Zeit: %1:%2:%3</translation>
    </message>
    <message>
        <source>Aborting, please wait...</source>
        <translation>Wird abgebrochen, bitte warten...</translation>
    </message>
    <message>
        <source>Failed to open folder &quot;%1&quot;.</source>
        <translation>Der Ordner „%1“ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Action After Making:</source>
        <extracomment>Label before the list of what happens once the DVD is made (do nothing, shut down...); keep it short</extracomment>
        <translation>Nach Abschluss:</translation>
    </message>
    <message>
        <source>Action After Making</source>
        <translation>Nach Abschluss</translation>
    </message>
    <message>
        <source>Creating video</source>
        <translation>Video wird erstellt</translation>
    </message>
    <message>
        <source>Exporting video...</source>
        <translation>Video wird exportiert...</translation>
    </message>
    <message>
        <source>The video file is %1</source>
        <translation>Die Videodatei ist %1</translation>
    </message>
    <message>
        <source>Failed to export the video!</source>
        <translation>Das Video konnte nicht exportiert werden!</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>The file is damaged.</source>
        <translation>Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>The file is not a Sorvel project.</source>
        <translation>Die Datei ist kein Sorvel-Projekt.</translation>
    </message>
    <message>
        <source>It was saved by a newer version of Sorvel (project format %1; this version reads format %2). Please update Sorvel to open it.</source>
        <translation>Es wurde mit einer neueren Version von Sorvel gespeichert (Projektformat %1; diese Version liest Format %2). Bitte aktualisieren Sie Sorvel, um es zu öffnen.</translation>
    </message>
    <message>
        <source>The project cannot be saved to %1: %2</source>
        <translation>Das Projekt kann nicht unter %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: %2</source>
        <translation>Das Projekt %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened.
%2</source>
        <translation>Das Projekt %1 kann nicht geöffnet werden.
%2</translation>
    </message>
    <message>
        <source>It is not valid JSON at byte %1: %2.</source>
        <translation>Es ist kein gültiges JSON bei Byte %1: %2.</translation>
    </message>
    <message>
        <source>version: not a format version.</source>
        <translation>version: keine Formatversion.</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>kein Objekt</translation>
    </message>
    <message>
        <source>not a list</source>
        <translation>keine Liste</translation>
    </message>
    <message>
        <source>not 0, 1, 2 or 3</source>
        <translation>nicht 0, 1, 2 oder 3</translation>
    </message>
    <message>
        <source>before clipStart</source>
        <translation>vor clipStart</translation>
    </message>
    <message>
        <source>not a loudness</source>
        <translation>keine Lautheit</translation>
    </message>
    <message>
        <source>not a peak level</source>
        <translation>kein Spitzenpegel</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>kein Text</translation>
    </message>
    <message>
        <source>not &quot;PAL&quot; or &quot;NTSC&quot;</source>
        <translation>nicht „PAL“ oder „NTSC“</translation>
    </message>
    <message>
        <source>not 1, 2 or 6</source>
        <translation>nicht 1, 2 oder 6</translation>
    </message>
    <message>
        <source>not &quot;repeat&quot; or &quot;stop&quot;</source>
        <translation>nicht „repeat“ oder „stop“</translation>
    </message>
    <message>
        <source>not 25, 30, 50 or 60</source>
        <translation>nicht 25, 30, 50 oder 60</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: %2.</source>
        <translation>Das Projekt %1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: it is too large (%2 MB; a project is at most %3 MB).</source>
        <translation>Das Projekt %1 kann nicht geöffnet werden: es ist zu groß (%2 MB; ein Projekt hat höchstens %3 MB).</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: it is too large (a project is at most %2 MB).</source>
        <translation>Das Projekt %1 kann nicht geöffnet werden: es ist zu groß (ein Projekt hat höchstens %2 MB).</translation>
    </message>
</context>
<context>
    <name>Project::Reader</name>
    <message>
        <source>not true or false</source>
        <translation>nicht true oder false</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 liegt außerhalb von %2 bis %3</translation>
    </message>
    <message>
        <source>%1 was %2; the editor takes %3 to %4, so it is now %5.</source>
        <translation>%1 war %2; der Editor nimmt %3 bis %4, daher ist es jetzt %5.</translation>
    </message>
    <message>
        <source>not one of the choices</source>
        <translation>keine der Möglichkeiten</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>negative</source>
        <translation>negativ</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>kein Text</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>kein Objekt</translation>
    </message>
    <message>
        <source>not 0 or 1</source>
        <translation>nicht 0 oder 1</translation>
    </message>
    <message>
        <source>not a list of four numbers</source>
        <translation>keine Liste aus vier Zahlen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Start the program failed. Please re-install it.</source>
        <translation>Das Programm konnte nicht starten. Bitte installieren Sie es neu.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
</context>
<context>
    <name>SkinModel</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>VideoGeneration</name>
    <message>
        <source>Cannot render the slideshow: %1</source>
        <translation>Die Diashow kann nicht gerendert werden: %1</translation>
    </message>
    <message>
        <source>Cannot write the video: %1</source>
        <translation>Das Video kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Cannot create the video file: %1</source>
        <translation>Die Videodatei kann nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>Cannot start encoding: %1</source>
        <translation>Die Kodierung kann nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Cannot rename %1 to %2: %3</source>
        <translation>%1 kann nicht in %2 umbenannt werden: %3</translation>
    </message>
</context>
<context>
    <name>WaitForDiscDialog</name>
    <message>
        <source>Required disc type:</source>
        <translation>Erforderlicher Disc-Typ:</translation>
    </message>
    <message>
        <source>Disc type from the recorder:</source>
        <translation>Disc-Typ laut Brenner:</translation>
    </message>
    <message>
        <source>Capacity needed:</source>
        <translation>Benötigte Kapazität:</translation>
    </message>
    <message>
        <source>Free space on the disc:</source>
        <translation>Freier Platz auf der Disc:</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Are you sure you want to abort?</source>
        <translation>Möchten Sie wirklich abbrechen?</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the running editor did not answer; the files were not opened</source>
        <translation>der laufende Editor hat nicht geantwortet; die Dateien wurden nicht geöffnet</translation>
    </message>
</context>
</TS>
