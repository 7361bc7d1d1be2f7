<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Application</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue « %1 »</translation>
    </message>
</context>
<context>
    <name>AudioListWidget</name>
    <message>
        <source>Audio clips</source>
        <translation>Clips audio</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Fréquence d&apos;échantillonnage</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Point de début</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Point de fin</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Déplacer à gauche</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Déplacer à droite</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Trier</translation>
    </message>
    <message>
        <source>Drag Audio File(s) Here</source>
        <translation>Glissez les fichiers audio ici</translation>
    </message>
    <message>
        <source>Copy Clips</source>
        <translation>Copier les clips</translation>
    </message>
    <message>
        <source>Move Clips</source>
        <translation>Déplacer les clips</translation>
    </message>
    <message>
        <source>Import Audio</source>
        <translation>Importer de l&apos;audio</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (manquant)</translation>
    </message>
</context>
<context>
    <name>AudioOutput</name>
    <message>
        <source>No sound output device could be opened.</source>
        <translation>Aucun périphérique de sortie audio n&apos;a pu être ouvert.</translation>
    </message>
    <message>
        <source>The sound output device could not be set up.</source>
        <translation>Le périphérique de sortie audio n&apos;a pas pu être configuré.</translation>
    </message>
    <message>
        <source>The sound output device has no free voice.</source>
        <translation>Le périphérique de sortie audio n&apos;a plus de voix libre.</translation>
    </message>
    <message>
        <source>The sound output device has no room for the sound buffers.</source>
        <translation>Le périphérique de sortie audio n&apos;a plus de place pour les tampons audio.</translation>
    </message>
</context>
<context>
    <name>BitRateDialog</name>
    <message>
        <source>Customize Bitrate</source>
        <translation>Débit personnalisé</translation>
    </message>
    <message>
        <source>Please input customized bitrate:</source>
        <translation>Saisissez le débit souhaité :</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Plage :</translation>
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
        <translation>Veuillez saisir une valeur valide</translation>
    </message>
</context>
<context>
    <name>BurnWorkflow</name>
    <message>
        <source>The output folder does not exist, please set the output folder and try again.</source>
        <translation>Le dossier de sortie n&apos;existe pas. Choisissez un dossier de sortie et réessayez.</translation>
    </message>
    <message>
        <source>The temporary folder does not exist, please set the temporary folder and try again.</source>
        <translation>Le dossier temporaire n&apos;existe pas. Choisissez un dossier temporaire et réessayez.</translation>
    </message>
    <message>
        <source>Another disc job is still running; please try again later.</source>
        <translation>Une autre gravure est en cours. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Burn process failed. Do you want to try again.</source>
        <translation>La gravure a échoué. Voulez-vous réessayer ?</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 B</source>
        <comment>bytes</comment>
        <translation>%1 o</translation>
    </message>
    <message>
        <source>Not enough free space available in the disk which the temporary folder is located in. At least %1 disk space is needed in disk %2.</source>
        <translation>Espace libre insuffisant sur le disque du dossier temporaire. Il faut au moins %1 sur le disque %2.</translation>
    </message>
    <message>
        <source>Not enough space available in the target disk. At least %1 of disk space is needed in %2 disk.</source>
        <translation>Espace insuffisant sur le disque de destination. Il faut au moins %1 sur le disque %2.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2.</source>
        <translation>Impossible d&apos;écrire dans %1 : %2.</translation>
    </message>
    <message>
        <source>The folder %1 will be cleared. Do you want to continue?</source>
        <translation>Le dossier %1 va être vidé. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>The file system of destination disk (%1) does not support files larger than 4GB, please select again.</source>
        <translation>Le système de fichiers du disque de destination (%1) n&apos;accepte pas les fichiers de plus de 4 Go. Veuillez choisir une autre destination.</translation>
    </message>
    <message>
        <source>The file %1 will be overwritten. Do you want to continue?</source>
        <translation>Le fichier %1 va être remplacé. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>%1: no such recorder.</source>
        <translation>%1 : graveur introuvable.</translation>
    </message>
    <message>
        <source>%1 is a folder, not an optical drive.</source>
        <translation>%1 est un dossier, pas un lecteur optique.</translation>
    </message>
    <message>
        <source>%1 is a file, not an optical drive; to write a disc image into it, use stdio:%1.</source>
        <translation>%1 est un fichier, pas un lecteur optique ; pour y écrire une image disque, utilisez stdio:%1.</translation>
    </message>
    <message>
        <source>%1 is not an optical drive.</source>
        <translation>%1 n&apos;est pas un lecteur optique.</translation>
    </message>
    <message>
        <source>No recorder was found.</source>
        <translation>Aucun graveur n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>Recorders found: %1</source>
        <translation>Graveurs trouvés : %1</translation>
    </message>
    <message>
        <source>%1 is a folder; a disc image needs a file name.</source>
        <translation>%1 est un dossier ; une image disque a besoin d&apos;un nom de fichier.</translation>
    </message>
    <message>
        <source>Please select the destination.</source>
        <translation>Veuillez choisir la destination.</translation>
    </message>
    <message>
        <source>The disc in the drive is not blank. Writing to this disc will erase all the data on the disc. 
Do you want to continue?</source>
        <translation>Le disque dans le lecteur n&apos;est pas vierge. L&apos;écriture effacera toutes les données du disque.
Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Please insert a blank disc.</source>
        <translation>Veuillez insérer un disque vierge.</translation>
    </message>
    <message>
        <source>Not enough free space in the disc, please insert another disc.</source>
        <translation>Espace libre insuffisant sur le disque. Veuillez insérer un autre disque.</translation>
    </message>
    <message>
        <source>Please insert a blank and recordable disc.</source>
        <translation>Veuillez insérer un disque vierge et inscriptible.</translation>
    </message>
    <message>
        <source>Burning failed! %1We recommend you burn again.</source>
        <translation>La gravure a échoué ! %1Nous vous conseillons de graver à nouveau.</translation>
    </message>
    <message>
        <source>Burn failed! Open ISO failed, we suggest you burn again.</source>
        <translation>La gravure a échoué ! Impossible d&apos;ouvrir l&apos;image ISO ; nous vous conseillons de graver à nouveau.</translation>
    </message>
    <message>
        <source>Failed to open disc, please retry.</source>
        <translation>Impossible d&apos;ouvrir le disque, veuillez réessayer.</translation>
    </message>
    <message>
        <source>Failed to write to disc, please retry.</source>
        <translation>Impossible d&apos;écrire sur le disque, veuillez réessayer.</translation>
    </message>
    <message>
        <source>Failed to read DVD data.</source>
        <translation>Impossible de lire les données du DVD.</translation>
    </message>
    <message>
        <source>Failed to create the DVD folder.</source>
        <translation>Impossible de créer le dossier DVD.</translation>
    </message>
    <message>
        <source>Burning failed!</source>
        <translation>La gravure a échoué !</translation>
    </message>
    <message>
        <source>Disc checking stopped</source>
        <translation>Vérification du disque arrêtée</translation>
    </message>
    <message>
        <source>Burning aborted!</source>
        <translation>Gravure annulée !</translation>
    </message>
    <message>
        <source>Failed to erase!</source>
        <translation>L&apos;effacement a échoué !</translation>
    </message>
</context>
<context>
    <name>CapacityBar</name>
    <message>
        <source>%1GB</source>
        <comment>scale label</comment>
        <translation>%1 Go</translation>
    </message>
    <message>
        <source>Disc capacity</source>
        <translation>Capacité du disque</translation>
    </message>
    <message>
        <source>Disc space is sufficient</source>
        <translation>L&apos;espace sur le disque est suffisant</translation>
    </message>
    <message>
        <source>The file size is close to the maximum disc capacity</source>
        <translation>La taille est proche de la capacité maximale du disque</translation>
    </message>
    <message>
        <source>The file size is beyond the maximum disc capacity</source>
        <translation>La taille dépasse la capacité maximale du disque</translation>
    </message>
</context>
<context>
    <name>CaptionDialog</name>
    <message>
        <source>Caption</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Add Title Card</source>
        <translation>Ajouter un carton de titre</translation>
    </message>
    <message>
        <source>Title Card</source>
        <translation>Carton de titre</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texte :</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Police :</translation>
    </message>
    <message>
        <source>&amp;Size (% of the picture height):</source>
        <translation>&amp;Taille (% de la hauteur de l&apos;image) :</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Couleur :</translation>
    </message>
    <message>
        <source>&amp;Position:</source>
        <translation>&amp;Position :</translation>
    </message>
    <message>
        <source>&amp;Legibility:</source>
        <translation>&amp;Lisibilité :</translation>
    </message>
    <message>
        <source>&amp;Duration (s):</source>
        <translation>&amp;Durée (s) :</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Arrière-plan :</translation>
    </message>
    <message>
        <source>Background c&amp;olours:</source>
        <translation>C&amp;ouleurs d&apos;arrière-plan :</translation>
    </message>
    <message>
        <source>P&amp;hoto:</source>
        <translation>P&amp;hoto :</translation>
    </message>
    <message>
        <source>P&amp;lace:</source>
        <translation>&amp;Emplacement :</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alignement</translation>
    </message>
    <message>
        <source>Legibility</source>
        <translation>Lisibilité</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>En bas</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>En haut</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Au centre</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>À gauche</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>Centré</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>À droite</translation>
    </message>
    <message>
        <source>Soft shadow</source>
        <translation>Ombre douce</translation>
    </message>
    <message>
        <source>Translucent band</source>
        <translation>Bande translucide</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>Autre...</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation>Couleur d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Gradient Colour</source>
        <translation>Couleur du dégradé</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Plain colour</source>
        <translation>Couleur unie</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Dégradé</translation>
    </message>
    <message>
        <source>Blurred photo</source>
        <translation>Photo floutée</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>After the selected photo</source>
        <translation>Après la photo sélectionnée</translation>
    </message>
    <message>
        <source>Before the selected photo</source>
        <translation>Avant la photo sélectionnée</translation>
    </message>
    <message>
        <source>At the start</source>
        <translation>Au début</translation>
    </message>
    <message>
        <source>At the end</source>
        <translation>À la fin</translation>
    </message>
    <message>
        <source>Apply Style to &amp;All</source>
        <translation>Appliquer le style à &amp;toutes</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; is not installed here; the text is drawn in &quot;%2&quot;.</source>
        <translation>La police « %1 » n&apos;est pas installée ici ; le texte est dessiné en « %2 ».</translation>
    </message>
</context>
<context>
    <name>CaptionJson</name>
    <message>
        <source>not an object</source>
        <translation>pas un objet</translation>
    </message>
</context>
<context>
    <name>CaptionJson::Members</name>
    <message>
        <source>missing</source>
        <translation>manquant</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>pas un texte</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>ni true ni false</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>pas un nombre</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>pas un nombre entier</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 est hors de %2 à %3</translation>
    </message>
    <message>
        <source>not a colour (#rrggbb)</source>
        <translation>pas une couleur (#rrggbb)</translation>
    </message>
    <message>
        <source>not one of %1</source>
        <translation>pas l&apos;une des valeurs %1</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>make a DVD from photos and music (see make-dvd --help)</source>
        <translation>crée un DVD à partir de photos et de musique (voir make-dvd --help)</translation>
    </message>
    <message>
        <source>Usage: sorvel [COMMAND [OPTIONS]]</source>
        <translation>Utilisation : sorvel [COMMANDE [OPTIONS]]</translation>
    </message>
    <message>
        <source>Without a command, starts the slideshow editor.</source>
        <translation>Sans commande, lance l&apos;éditeur de diaporama.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes :</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>afficher la version et quitter</translation>
    </message>
    <message>
        <source>Run &apos;sorvel COMMAND --help&apos; for a command&apos;s options.</source>
        <translation>« sorvel COMMANDE --help » affiche les options d&apos;une commande.</translation>
    </message>
    <message>
        <source>make an MP4 video file from photos and music (see make-video --help)</source>
        <translation>créer un fichier vidéo MP4 à partir de photos et de musique (voir make-video --help)</translation>
    </message>
</context>
<context>
    <name>DestinationBox</name>
    <message>
        <source>The folder %1 will be cleared. Do you want to continue?</source>
        <translation>Le dossier %1 va être vidé. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Input volume label</source>
        <translation>Saisissez le nom du volume</translation>
    </message>
    <message>
        <source>Open DVD Folder...</source>
        <translation>Ouvrir le dossier DVD...</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2.</source>
        <translation>Impossible d&apos;écrire dans %1 : %2.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>DVD Image file (*.iso)</source>
        <translation>Image DVD (*.iso)</translation>
    </message>
    <message>
        <source>Please select the destination.</source>
        <translation>Veuillez choisir la destination.</translation>
    </message>
    <message>
        <source>Save as DVD Folder</source>
        <translation>Enregistrer comme dossier DVD</translation>
    </message>
    <message>
        <source>Save as Image (.iso)</source>
        <translation>Enregistrer comme image (.iso)</translation>
    </message>
</context>
<context>
    <name>DialogQuestions</name>
    <message>
        <source>Waiting for Disc</source>
        <translation>En attente d&apos;un disque</translation>
    </message>
    <message>
        <source>To skip disc checking, please click &quot;Ignore&quot;, but it will show again when starting burning.</source>
        <translation>Pour passer la vérification du disque, cliquez sur « Ignorer » ; elle reviendra au début de la gravure.</translation>
    </message>
</context>
<context>
    <name>DiscJob</name>
    <message>
        <source>Cannot empty %1: %2</source>
        <translation>Impossible de vider %1 : %2</translation>
    </message>
    <message>
        <source>Erasing the disc in %1 failed</source>
        <translation>L&apos;effacement du disque dans %1 a échoué</translation>
    </message>
    <message>
        <source>The DVD folder %1 does not exist</source>
        <translation>Le dossier DVD %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>genisoimage was not found</source>
        <translation>genisoimage est introuvable</translation>
    </message>
    <message>
        <source>genisoimage could not be started: %1</source>
        <translation>genisoimage n&apos;a pas pu démarrer : %1</translation>
    </message>
    <message>
        <source>%1: No space left on device</source>
        <translation>%1 : plus d&apos;espace libre sur le périphérique</translation>
    </message>
    <message>
        <source>Cannot open the image %1</source>
        <translation>Impossible d&apos;ouvrir l&apos;image %1</translation>
    </message>
    <message>
        <source>Out of memory preparing the write</source>
        <translation>Mémoire insuffisante pour préparer l&apos;écriture</translation>
    </message>
    <message>
        <source>Cannot prepare the image %1 for writing</source>
        <translation>Impossible de préparer l&apos;image %1 pour l&apos;écriture</translation>
    </message>
    <message>
        <source>Cannot open the disc in %1</source>
        <translation>Impossible d&apos;ouvrir le disque dans %1</translation>
    </message>
    <message>
        <source>The disc in %1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire le disque dans %1 : %2</translation>
    </message>
    <message>
        <source>Writing to %1 failed: %2</source>
        <translation>L&apos;écriture sur %1 a échoué : %2</translation>
    </message>
    <message>
        <source>Cannot truncate %1</source>
        <translation>Impossible de tronquer %1</translation>
    </message>
    <message>
        <source>Cannot stage the disc image in %1: %2</source>
        <translation>Impossible de préparer l&apos;image disque dans %1 : %2</translation>
    </message>
    <message>
        <source>The image %1 does not exist</source>
        <translation>L&apos;image %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>Cannot rename the image to %1: %2</source>
        <translation>Impossible de renommer l&apos;image en %1 : %2</translation>
    </message>
    <message>
        <source>Cannot remove %1</source>
        <translation>Impossible de supprimer %1</translation>
    </message>
    <message>
        <source>Cannot open the drive %1</source>
        <translation>Impossible d&apos;ouvrir le lecteur %1</translation>
    </message>
    <message>
        <source>The disc-recording library is not available</source>
        <translation>La bibliothèque de gravure n&apos;est pas disponible</translation>
    </message>
</context>
<context>
    <name>DvdGeneration</name>
    <message>
        <source>Cannot render the slideshow: %1</source>
        <translation>Impossible de calculer le diaporama : %1</translation>
    </message>
    <message>
        <source>Cannot create the audio stream: %1</source>
        <translation>Impossible de créer le flux audio : %1</translation>
    </message>
    <message>
        <source>Cannot start encoding: %1</source>
        <translation>Impossible de commencer l&apos;encodage : %1</translation>
    </message>
    <message>
        <source>Encoding failed: %1</source>
        <translation>L&apos;encodage a échoué : %1</translation>
    </message>
    <message>
        <source>The encoded video is missing.</source>
        <translation>La vidéo encodée est introuvable.</translation>
    </message>
    <message>
        <source>The encoded streams are missing.</source>
        <translation>Les flux encodés sont introuvables.</translation>
    </message>
    <message>
        <source>mplex did not start reading the video</source>
        <translation>mplex n&apos;a pas commencé à lire la vidéo</translation>
    </message>
    <message>
        <source>Failed to create DVD!</source>
        <translation>Impossible de créer le DVD !</translation>
    </message>
    <message>
        <source>Cannot create the video stream: %1</source>
        <translation>Impossible de créer le flux vidéo : %1</translation>
    </message>
    <message>
        <source>The video ended early.</source>
        <translation>La vidéo s&apos;est terminée trop tôt.</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Annulé</translation>
    </message>
</context>
<context>
    <name>DvdMenu</name>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Photos %1 of %2</source>
        <translation>Photos %1 sur %2</translation>
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
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>DvdSettingsDialog</name>
    <message>
        <source>DVD Settings</source>
        <translation>Paramètres du DVD</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destination :</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Volume Label:</source>
        <translation>Nom du volume :</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Nom du volume</translation>
    </message>
    <message>
        <source>Writing Speed:</source>
        <translation>Vitesse de gravure :</translation>
    </message>
    <message>
        <source>Writing Speed</source>
        <translation>Vitesse de gravure</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Copies :</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Paramètres vidéo</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualité :</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Qualité vidéo</translation>
    </message>
    <message>
        <source>The most the video may take: High up to 9 Mbit/s, Normal up to 5, Low up to 2. Still photos take far less.</source>
        <translation>Le maximum que la vidéo peut occuper : Haute jusqu&apos;à 9 Mbit/s, Normale jusqu&apos;à 5, Basse jusqu&apos;à 2. Les photos fixes prennent bien moins.</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personnaliser</translation>
    </message>
    <message>
        <source>TV Standard:</source>
        <translation>Norme TV :</translation>
    </message>
    <message>
        <source>TV Standard</source>
        <translation>Norme TV</translation>
    </message>
    <message>
        <source>When the Show Ends:</source>
        <translation>À la fin du diaporama :</translation>
    </message>
    <message>
        <source>When the Show Ends</source>
        <translation>À la fin du diaporama</translation>
    </message>
    <message>
        <source>What the disc does after the last photo: start the show again, or stop as a film does</source>
        <translation>Ce que fait le disque après la dernière photo : recommencer le diaporama, ou s&apos;arrêter comme un film</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Paramètres audio</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Débit :</translation>
    </message>
    <message>
        <source>Audio Bit Rate</source>
        <translation>Débit audio</translation>
    </message>
    <message>
        <source>128kbit/s (Lowest Audio Quality)</source>
        <translation>128 kbit/s (qualité audio minimale)</translation>
    </message>
    <message>
        <source>160kbit/s (Low Audio Quality)</source>
        <translation>160 kbit/s (qualité audio basse)</translation>
    </message>
    <message>
        <source>192kbit/s (Normal Audio Quality)</source>
        <translation>192 kbit/s (qualité audio normale)</translation>
    </message>
    <message>
        <source>320kbit/s (High Audio Quality)</source>
        <translation>320 kbit/s (qualité audio haute)</translation>
    </message>
    <message>
        <source>448kbit/s (Highest Audio Quality)</source>
        <translation>448 kbit/s (qualité audio maximale)</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canaux :</translation>
    </message>
    <message>
        <source>Audio Channels</source>
        <translation>Canaux audio</translation>
    </message>
    <message>
        <source>1 (Mono)</source>
        <translation>1 (Mono)</translation>
    </message>
    <message>
        <source>2 (Stereo)</source>
        <translation>2 (Stéréo)</translation>
    </message>
    <message>
        <source>5.1 (D.D.)</source>
        <translation>5.1 (D.D.)</translation>
    </message>
    <message>
        <source>Estimated size:</source>
        <translation>Taille estimée :</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Graver</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1Mbps</source>
        <translation>%1 Mbit/s</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Estimated size: up to %1</source>
        <translation>Taille estimée : jusqu&apos;à %1</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Format d&apos;image :</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Format d&apos;image</translation>
    </message>
    <message>
        <source>The picture&apos;s shape: 16:9 fills a widescreen television (a 4:3 one shows it letterboxed); 4:3 fills an old one</source>
        <translation>La forme de l&apos;image : 16:9 remplit un téléviseur écran large (un 4:3 l&apos;affiche avec des bandes noires) ; 4:3 remplit un ancien téléviseur</translation>
    </message>
    <message>
        <source>16:9 Widescreen</source>
        <translation>16:9 écran large</translation>
    </message>
    <message>
        <source>4:3</source>
        <translation>4:3</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Chapitres :</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Chapitres</translation>
    </message>
    <message>
        <source>A chapter at every photo lets a remote&apos;s Next and Previous buttons step through the photos</source>
        <translation>Un chapitre à chaque photo permet aux touches Suivant et Précédent d&apos;une télécommande de passer d&apos;une photo à l&apos;autre</translation>
    </message>
    <message>
        <source>One per Photo</source>
        <translation>Un par photo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Start with a Menu</source>
        <translation>Commencer par un menu</translation>
    </message>
    <message>
        <source>The disc opens on the album&apos;s title with Play and an index of the photos, and returns there at the end of the show; each photo then starts a chapter</source>
        <translation>Le disque s&apos;ouvre sur le titre de l&apos;album avec Lecture et un index des photos, et y revient à la fin du diaporama ; chaque photo commence alors un chapitre</translation>
    </message>
    <message>
        <source>Menu Preview</source>
        <translation>Aperçu du menu</translation>
    </message>
    <message>
        <source>The menu&apos;s main page</source>
        <translation>La page principale du menu</translation>
    </message>
    <message>
        <source>The disc starts the show at once</source>
        <translation>Le disque lance le diaporama aussitôt</translation>
    </message>
    <message>
        <source>Menu Title:</source>
        <translation>Titre du menu :</translation>
    </message>
    <message>
        <source>Menu Title</source>
        <translation>Titre du menu</translation>
    </message>
    <message>
        <source>The words on the menu&apos;s main page; empty: the volume label</source>
        <translation>Le texte de la page principale du menu ; vide : le nom du volume</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Arrière-plan :</translation>
    </message>
    <message>
        <source>Menu Background</source>
        <translation>Arrière-plan du menu</translation>
    </message>
    <message>
        <source>The picture behind the menu, blurred and darkened</source>
        <translation>L&apos;image derrière le menu, floutée et assombrie</translation>
    </message>
    <message>
        <source>Music in the Menu</source>
        <translation>Musique dans le menu</translation>
    </message>
    <message>
        <source>The first music clip plays under the menu, faded in and out, again and again</source>
        <translation>Le premier clip audio joue sous le menu, avec un fondu d&apos;entrée et de sortie, encore et encore</translation>
    </message>
    <message>
        <source>First Photo</source>
        <translation>Première photo</translation>
    </message>
    <message>
        <source>A Title Card&apos;s Look</source>
        <translation>L&apos;aspect d&apos;un carton de titre</translation>
    </message>
    <message>
        <source>The album has no music</source>
        <translation>L&apos;album n&apos;a pas de musique</translation>
    </message>
</context>
<context>
    <name>EditAudioDialog</name>
    <message>
        <source>Edit Audio</source>
        <translation>Modifier l&apos;audio</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Audio clips</source>
        <translation>Clips audio</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Point de début</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Point de fin</translation>
    </message>
    <message>
        <source>Clip position and points</source>
        <translation>Position du clip et points</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>Lire le segment</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Set Start Point</source>
        <translation>Définir le début</translation>
    </message>
    <message>
        <source>Set End Point</source>
        <translation>Définir la fin</translation>
    </message>
    <message>
        <source>Position and duration</source>
        <translation>Position et durée</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Couper le son</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Rétablir le son</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Sound is not available: %1 The clips can still be ordered and trimmed, but not played.</source>
        <translation>Le son n&apos;est pas disponible : %1 Les clips peuvent encore être ordonnés et coupés, mais pas écoutés.</translation>
    </message>
    <message>
        <source>Select One or More Files</source>
        <translation>Choisir un ou plusieurs fichiers</translation>
    </message>
    <message>
        <source>Some files have not been added to the list:
</source>
        <translation>Certains fichiers n&apos;ont pas été ajoutés à la liste :
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
        <translation>Importer des photos</translation>
    </message>
    <message>
        <source>Import Photo Folder</source>
        <translation>Importer un dossier de photos</translation>
    </message>
    <message>
        <source>Import Audio File(s)</source>
        <translation>Importer des fichiers audio</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Pivoter à gauche</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Pivoter à droite</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Retourner</translation>
    </message>
    <message>
        <source>Auto Rotate</source>
        <translation>Rotation auto</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Déplacer à gauche</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Déplacer à droite</translation>
    </message>
    <message>
        <source>Previous (Left)</source>
        <translation>Précédente (Gauche)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédente</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>Lire (Espace)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>Pause (Espace)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop (Home)</source>
        <translation>Arrêt (Début)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Next (Right)</source>
        <translation>Suivante (Droite)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Couper le son</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Rétablir le son</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
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
        <translation>Réglages de l&apos;album</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transition</translation>
    </message>
    <message>
        <source>Sync with Audio</source>
        <translation>Caler sur la musique</translation>
    </message>
    <message>
        <source>Use Dynamic Effect</source>
        <translation>Panoramique et zoom</translation>
    </message>
    <message>
        <source>Use Transition</source>
        <translation>Utiliser les transitions</translation>
    </message>
    <message>
        <source>Dissolve Only</source>
        <translation>Fondus seulement</translation>
    </message>
    <message>
        <source>Random Transition</source>
        <translation>Transitions aléatoires</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Paramètres audio</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Boucle</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Modifier l&apos;audio</translation>
    </message>
    <message>
        <source>Scroll Strips</source>
        <translation>Défiler les bandes</translation>
    </message>
    <message>
        <source>Disc type</source>
        <translation>Type de disque</translation>
    </message>
    <message>
        <source>DVD 4.7G</source>
        <translation>DVD 4,7 Go</translation>
    </message>
    <message>
        <source>DVD 8.5G</source>
        <translation>DVD 8,5 Go</translation>
    </message>
    <message>
        <source>Create DVD</source>
        <translation>Créer le DVD</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Graver</translation>
    </message>
    <message>
        <source>&amp;Import Photo(s)...</source>
        <translation>&amp;Importer des photos...</translation>
    </message>
    <message>
        <source>I&amp;mport Photo Folder...</source>
        <translation>I&amp;mporter un dossier de photos...</translation>
    </message>
    <message>
        <source>Import &amp;Audio File(s)...</source>
        <translation>Importer des fichiers &amp;audio...</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Nouveau projet</translation>
    </message>
    <message>
        <source>Open Project...</source>
        <translation>Ouvrir un projet...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation>Enregistrer le projet sous...</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propriétés</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Auto Rotate All Photos</source>
        <translation>Pivoter automatiquement toutes les photos</translation>
    </message>
    <message>
        <source>Auto Rotate Photos While Importing</source>
        <translation>Pivoter les photos automatiquement à l&apos;import</translation>
    </message>
    <message>
        <source>&amp;Create DVD</source>
        <translation>&amp;Créer le DVD</translation>
    </message>
    <message>
        <source>Do &amp;Nothing</source>
        <translation>&amp;Ne rien faire</translation>
    </message>
    <message>
        <source>&amp;Exit Program</source>
        <translation>&amp;Quitter le programme</translation>
    </message>
    <message>
        <source>&amp;Hibernate</source>
        <translation>&amp;Hiberner</translation>
    </message>
    <message>
        <source>&amp;Shut Down</source>
        <translation>&amp;Éteindre</translation>
    </message>
    <message>
        <source>Stand &amp;By</source>
        <translation>&amp;Mettre en veille</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Décroissant</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Trier par</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Actions</translation>
    </message>
    <message>
        <source>Action &amp;After Making</source>
        <translation>Action &amp;après la création</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Premiers pas</translation>
    </message>
    <message>
        <source>Select One or More Files</source>
        <translation>Choisir un ou plusieurs fichiers</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Photo Duration</source>
        <translation>Durée d&apos;une photo</translation>
    </message>
    <message>
        <source>Transition Duration</source>
        <translation>Durée d&apos;une transition</translation>
    </message>
    <message>
        <source>Transition Type</source>
        <translation>Type de transition</translation>
    </message>
    <message>
        <source>Loop Audio</source>
        <translation>Audio en boucle</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>Projets récents</translation>
    </message>
    <message>
        <source>Sound is not available (%1); the preview plays without sound.</source>
        <translation>Le son n&apos;est pas disponible (%1) ; l&apos;aperçu est lu sans le son.</translation>
    </message>
    <message>
        <source>DVD Settings</source>
        <translation>Paramètres du DVD</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Sorvel Projects (*.sorvel)</source>
        <translation>Projets Sorvel (*.sorvel)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Effacer la liste</translation>
    </message>
    <message>
        <source>The album &quot;%1&quot; has changes that are not saved.
Do you want to save them?</source>
        <translation>L&apos;album « %1 » contient des modifications non enregistrées.
Voulez-vous les enregistrer ?</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Ouverture de %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation>Enregistrer le projet sous</translation>
    </message>
    <message>
        <source>Even out the loudness</source>
        <translation>Égaliser le volume</translation>
    </message>
    <message>
        <source>Fade in and out</source>
        <translation>Fondu d&apos;entrée et de sortie</translation>
    </message>
    <message>
        <source>Fade length</source>
        <translation>Durée du fondu</translation>
    </message>
    <message>
        <source>Crossfade</source>
        <translation>Fondu enchaîné</translation>
    </message>
    <message>
        <source>Even Out the Loudness</source>
        <translation>Égaliser le volume</translation>
    </message>
    <message>
        <source>Fade In and Out</source>
        <translation>Fondu d&apos;entrée et de sortie</translation>
    </message>
    <message>
        <source>Fade Length</source>
        <translation>Durée du fondu</translation>
    </message>
    <message>
        <source>Framing</source>
        <translation>Cadrage</translation>
    </message>
    <message>
        <source>Photos of another shape than the picture: whole with black bars, filling the picture (the edges cut off), or whole on a blurred copy of themselves</source>
        <translation>Photos d&apos;une autre forme que l&apos;image : entières avec des bandes noires, remplissant l&apos;image (les bords coupés) ou entières sur une copie floutée d&apos;elles-mêmes</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>Blurred Backdrop</source>
        <translation>Fond flouté</translation>
    </message>
    <message>
        <source>&amp;Export Video...</source>
        <translation>&amp;Exporter la vidéo...</translation>
    </message>
    <message>
        <source>Export the slideshow as an MP4 video file</source>
        <translation>Exporter le diaporama en fichier vidéo MP4</translation>
    </message>
    <message>
        <source>The preview is not available on this display (%1): it cannot show OpenGL. Everything else, making DVDs included, works.</source>
        <translation>L&apos;aperçu n&apos;est pas disponible sur cet affichage (%1) : il ne peut pas afficher OpenGL. Tout le reste fonctionne, y compris la création de DVD.</translation>
    </message>
    <message>
        <source>Export Video</source>
        <translation>Exporter la vidéo</translation>
    </message>
    <message>
        <source>Relink Missing Files...</source>
        <translation>Relier les fichiers manquants...</translation>
    </message>
    <message>
        <source>the name is not valid text; rename the file</source>
        <translation>le nom n&apos;est pas un texte valide ; renommez le fichier</translation>
    </message>
    <message>
        <source>Apply Caption Style to All</source>
        <translation>Appliquer le style de légende à toutes</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Title Card</source>
        <translation>Carton de titre</translation>
    </message>
    <message>
        <source>Add Title Card</source>
        <translation>Ajouter un carton de titre</translation>
    </message>
    <message>
        <source>Caption...</source>
        <translation>Légende...</translation>
    </message>
    <message>
        <source>Add Title Card...</source>
        <translation>Ajouter un carton de titre...</translation>
    </message>
    <message>
        <source>Some values of the project are outside what the editor offers and have been changed; saving the project keeps the new values:</source>
        <translation>Certaines valeurs du projet sortent de ce que l&apos;éditeur propose et ont été modifiées ; enregistrer le projet garde les nouvelles valeurs :</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>The project cannot be saved to %1: %2.</source>
        <translation>Le projet ne peut pas être enregistré dans %1 : %2.</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the project are missing or cannot be read. They keep their places in the album and are saved with it, but the preview and the DVD leave them out until they are found. Relink searches a folder (and the folders in it) for them by name.</source>
        <translation>
            <numerusform>%n fichier du projet manque ou est illisible. Il garde sa place dans l&apos;album et est enregistré avec lui, mais l&apos;aperçu et le DVD l&apos;omettent jusqu&apos;à ce qu&apos;il soit retrouvé. Relier le cherche par son nom dans un dossier (et ses sous-dossiers).</numerusform>
            <numerusform>%n fichiers du projet manquent ou sont illisibles. Ils gardent leur place dans l&apos;album et sont enregistrés avec lui, mais l&apos;aperçu et le DVD les omettent jusqu&apos;à ce qu&apos;ils soient retrouvés. Relier les cherche par leur nom dans un dossier (et ses sous-dossiers).</numerusform>
        </translation>
    </message>
    <message>
        <source>Relink...</source>
        <translation>Relier...</translation>
    </message>
    <message>
        <source>Relink: Search a Folder</source>
        <translation>Relier : chercher dans un dossier</translation>
    </message>
    <message>
        <source>Searching %1...</source>
        <translation>Recherche dans %1...</translation>
    </message>
    <message>
        <source>Relink</source>
        <translation>Relier</translation>
    </message>
    <message>
        <source>Relink Files</source>
        <translation>Relier les fichiers</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) found again.</source>
        <translation>
            <numerusform>%n fichier retrouvé.</numerusform>
            <numerusform>%n fichiers retrouvés.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found again; %2 still missing:</source>
        <translation>%1 retrouvés ; %2 toujours manquants :</translation>
    </message>
    <message>
        <source>An album that was never saved</source>
        <translation>Un album jamais enregistré</translation>
    </message>
    <message>
        <source>The album &quot;%1&quot;</source>
        <translation>L&apos;album « %1 »</translation>
    </message>
    <message numerus="yes">
        <source>%1 was not closed properly. Its unsaved changes were kept at %2 (%n photo(s)).
Do you want to recover them?</source>
        <translation>
            <numerusform>%1 n&apos;a pas été fermé correctement. Ses modifications non enregistrées ont été conservées dans %2 (%n photo).
Voulez-vous les récupérer ?</numerusform>
            <numerusform>%1 n&apos;a pas été fermé correctement. Ses modifications non enregistrées ont été conservées dans %2 (%n photos).
Voulez-vous les récupérer ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>Récupérer le travail non enregistré</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Récupérer</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
</context>
<context>
    <name>ExportVideoDialog</name>
    <message>
        <source>Export Video</source>
        <translation>Exporter la vidéo</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Fichier :</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille :</translation>
    </message>
    <message>
        <source>S&amp;hape:</source>
        <translation>F&amp;orme :</translation>
    </message>
    <message>
        <source>Frame &amp;rate:</source>
        <translation>Fréquence d&apos;ima&amp;ges :</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualité :</translation>
    </message>
    <message>
        <source>Estimated size:</source>
        <translation>Taille estimée :</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporter</translation>
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
        <translation>16:9 (écran large)</translation>
    </message>
    <message>
        <source>4:3</source>
        <translation>4:3</translation>
    </message>
    <message>
        <source>9:16 (upright, for phones)</source>
        <translation>9:16 (vertical, pour téléphones)</translation>
    </message>
    <message>
        <source>1:1 (square)</source>
        <translation>1:1 (carré)</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Small file</source>
        <translation>Petit fichier</translation>
    </message>
    <message>
        <source>%1 (CRF %2)</source>
        <translation>%1 (CRF %2)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Fréquence d&apos;images</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>Estimated size</source>
        <translation>Taille estimée</translation>
    </message>
    <message>
        <source>Where the video goes (.mp4)</source>
        <translation>Où la vidéo est écrite (.mp4)</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Diaporama</translation>
    </message>
    <message>
        <source>About %1 GB</source>
        <translation>Environ %1 Go</translation>
    </message>
    <message>
        <source>About %1 MB</source>
        <translation>Environ %1 Mo</translation>
    </message>
    <message>
        <source>%1 (%2 x %3 pixels)</source>
        <translation>%1 (%2 x %3 pixels)</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Vidéo MP4 (*.mp4)</translation>
    </message>
</context>
<context>
    <name>FileCheck</name>
    <message>
        <source>missing</source>
        <translation>manquant</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>illisible : %1</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>un tube nommé (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Import Progress</source>
        <translation>Progression de l&apos;import</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>Import de %1...</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Some files have not been added to the list:</source>
        <translation>Certains fichiers n&apos;ont pas été ajoutés à la liste :</translation>
    </message>
</context>
<context>
    <name>MainWindowBase</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Read Me</source>
        <translation>Lisez-moi</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>%1 %2
Turns photos and music into DVD-Video slideshows.</source>
        <translation>%1 %2
Fait de vos photos et de votre musique des diaporamas DVD-Vidéo.</translation>
    </message>
</context>
<context>
    <name>MakeDvd</name>
    <message numerus="yes">
        <source>%n photo(s)</source>
        <translation>
            <numerusform>%n photo</numerusform>
            <numerusform>%n photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n audio clip(s)</source>
        <translation>
            <numerusform>%n clip audio</numerusform>
            <numerusform>%n clips audio</numerusform>
        </translation>
    </message>
    <message>
        <source>Burning the next copy...</source>
        <translation>Gravure de la copie suivante...</translation>
    </message>
    <message>
        <source>Done in %1.</source>
        <translation>Terminé en %1.</translation>
    </message>
    <message>
        <source>(answer with --yes to go on)</source>
        <translation>(répondez avec --yes pour continuer)</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Interrompu.</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>Details: %1</source>
        <translation>Détails : %1</translation>
    </message>
    <message>
        <source>Aborting...</source>
        <translation>Annulation...</translation>
    </message>
    <message>
        <source>Opening the project %1...</source>
        <translation>Ouverture du projet %1...</translation>
    </message>
    <message>
        <source>the project has no photo to make a slideshow from</source>
        <translation>le projet ne contient aucune photo pour un diaporama</translation>
    </message>
    <message>
        <source>Sync with audio: the music gives less than 1 s or more than 999 s a photo; the photo duration stays %1 ms.</source>
        <translation>Caler sur la musique : la musique donne moins de 1 s ou plus de 999 s par photo ; la durée d&apos;une photo reste %1 ms.</translation>
    </message>
    <message>
        <source>Importing %1 and %2...</source>
        <translation>Import de %1 et %2...</translation>
    </message>
    <message numerus="yes">
        <source>%n audio file(s)</source>
        <translation>
            <numerusform>%n fichier audio</numerusform>
            <numerusform>%n fichiers audio</numerusform>
        </translation>
    </message>
    <message>
        <source>Some files have not been added to the list:</source>
        <translation>Certains fichiers n&apos;ont pas été ajoutés à la liste :</translation>
    </message>
    <message>
        <source>no photo to make a slideshow from</source>
        <translation>aucune photo pour un diaporama</translation>
    </message>
    <message>
        <source>Output (exactly one is required):</source>
        <translation>Sortie (une seule est requise) :</translation>
    </message>
    <message>
        <source>write the DVD folder into DIR/&lt;volume label&gt;</source>
        <translation>écrire le dossier DVD dans DIR/&lt;nom du volume&gt;</translation>
    </message>
    <message>
        <source>write an ISO image (&quot;.iso&quot; is appended if missing)</source>
        <translation>écrire une image ISO (« .iso » est ajouté s&apos;il manque)</translation>
    </message>
    <message>
        <source>burn to a recorder (/dev/sr0, or stdio:/path/disc.img)</source>
        <translation>graver sur un graveur (/dev/sr0, ou stdio:/chemin/disque.img)</translation>
    </message>
    <message>
        <source>DVD:</source>
        <translation>DVD :</translation>
    </message>
    <message>
        <source>disc label (default &quot;My DVD&quot;)</source>
        <translation>nom du disque (par défaut « My DVD »)</translation>
    </message>
    <message>
        <source>TV standard (default: from the settings or the locale)</source>
        <translation>norme TV (par défaut : selon les réglages ou la langue du système)</translation>
    </message>
    <message>
        <source>high (up to 9 Mbit/s), normal (5), low (2) or a rate 2..9: the most the video may take; stills take less</source>
        <translation>high (jusqu&apos;à 9 Mbit/s), normal (5), low (2) ou un débit de 2 à 9 : le maximum que la vidéo peut occuper ; les photos fixes prennent moins</translation>
    </message>
    <message>
        <source>AC-3 bit rate, 128..448 (default 192)</source>
        <translation>débit AC-3, de 128 à 448 (par défaut 192)</translation>
    </message>
    <message>
        <source>audio channels (default 2)</source>
        <translation>canaux audio (par défaut 2)</translation>
    </message>
    <message>
        <source>when the show ends, play it again (default) or stop</source>
        <translation>à la fin du diaporama, le rejouer (par défaut) ou s&apos;arrêter</translation>
    </message>
    <message>
        <source>Slideshow:</source>
        <translation>Diaporama :</translation>
    </message>
    <message>
        <source>time each photo is shown, 1000..999000 (default 5000)</source>
        <translation>durée d&apos;affichage de chaque photo, de 1000 à 999000 (par défaut 5000)</translation>
    </message>
    <message>
        <source>time of each transition, 500..5000 (default 1500); both durations are snapped to whole video frames</source>
        <translation>durée de chaque transition, de 500 à 5000 (par défaut 1500) ; les deux durées sont arrondies à des images vidéo entières</translation>
    </message>
    <message>
        <source>cut from photo to photo</source>
        <translation>passer d&apos;une photo à l&apos;autre sans transition</translation>
    </message>
    <message>
        <source>dissolves instead of pattern wipes</source>
        <translation>des fondus au lieu des volets à motifs</translation>
    </message>
    <message>
        <source>no pan-and-zoom</source>
        <translation>pas de panoramique ni de zoom</translation>
    </message>
    <message>
        <source>restart the music when it ends before the photos</source>
        <translation>relancer la musique si elle se termine avant les photos</translation>
    </message>
    <message>
        <source>fit the photo time to the length of the music</source>
        <translation>adapter la durée des photos à la longueur de la musique</translation>
    </message>
    <message>
        <source>ignore the photos&apos; EXIF orientation</source>
        <translation>ignorer l&apos;orientation EXIF des photos</translation>
    </message>
    <message>
        <source>Run:</source>
        <translation>Exécution :</translation>
    </message>
    <message>
        <source>working folder (default: the TemporaryDir setting); each run works in its own new subfolder of it</source>
        <translation>dossier de travail (par défaut : le réglage TemporaryDir) ; chaque exécution travaille dans son propre nouveau sous-dossier</translation>
    </message>
    <message>
        <source>keep the run&apos;s working subfolder</source>
        <translation>garder le sous-dossier de travail de l&apos;exécution</translation>
    </message>
    <message>
        <source>discs to burn with --to-drive (default 1)</source>
        <translation>nombre de disques à graver avec --to-drive (par défaut 1)</translation>
    </message>
    <message>
        <source>burn speed, &quot;Max&quot; or e.g. 8X (default Max)</source>
        <translation>vitesse de gravure, « Max » ou par ex. 8X (par défaut Max)</translation>
    </message>
    <message>
        <source>answer Yes to questions (overwrite, clear, non-blank disc); without it a question ends the run with exit code 1</source>
        <translation>répondre Oui aux questions (remplacer, vider, disque non vierge) ; sans cette option une question termine l&apos;exécution avec le code 1</translation>
    </message>
    <message>
        <source>print only errors and the result</source>
        <translation>n&apos;afficher que les erreurs et le résultat</translation>
    </message>
    <message>
        <source>print the diagnostic messages of the program and of the libraries it uses (FFmpeg, Qt) too; they always go to the diagnostic log, make-dvd.log in the cache folder</source>
        <translation>afficher aussi les messages de diagnostic du programme et des bibliothèques qu&apos;il utilise (FFmpeg, Qt) ; ils vont toujours dans le journal make-dvd.log du dossier de cache</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>afficher cette aide</translation>
    </message>
    <message>
        <source>Usage: sorvel make-dvd [OPTIONS] PATH...
       sorvel make-dvd [OPTIONS] PROJECT.sorvel
</source>
        <translation>Utilisation : sorvel make-dvd [OPTIONS] CHEMIN...
              sorvel make-dvd [OPTIONS] PROJET.sorvel
</translation>
    </message>
    <message>
        <source>Makes a DVD-Video slideshow from photos and music without opening a window.</source>
        <translation>Crée un diaporama DVD-Vidéo à partir de photos et de musique sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>PATH: photo files, audio files or folders. A folder adds its photos and audio files (one level, in name order). Photos and clips keep the order given.</source>
        <translation>CHEMIN : fichiers photo, fichiers audio ou dossiers. Un dossier ajoute ses photos et ses fichiers audio (un niveau, par ordre des noms). Les photos et les clips gardent l&apos;ordre donné.</translation>
    </message>
    <message>
        <source>PROJECT.sorvel: a saved project with its photos, clips, settings and DVD choices; the options given here override the project&apos;s.</source>
        <translation>PROJET.sorvel : un projet enregistré avec ses photos, clips, réglages et choix de DVD ; les options données ici remplacent celles du projet.</translation>
    </message>
    <message>
        <source>Exit codes: 0 the output is complete, 1 failure, 2 usage error.</source>
        <translation>Codes de sortie : 0 la sortie est complète, 1 échec, 2 erreur d&apos;utilisation.</translation>
    </message>
    <message>
        <source>Ctrl-C aborts cleanly: child programs end and the working subfolder is removed.</source>
        <translation>Ctrl-C interrompt proprement : les programmes lancés s&apos;arrêtent et le sous-dossier de travail est supprimé.</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l&apos;option %1 attend une valeur</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>l&apos;option %1 n&apos;accepte pas de valeur</translation>
    </message>
    <message>
        <source>option %1 needs a non-empty value</source>
        <translation>l&apos;option %1 attend une valeur non vide</translation>
    </message>
    <message>
        <source>--standard must be PAL or NTSC</source>
        <translation>--standard doit être PAL ou NTSC</translation>
    </message>
    <message>
        <source>--quality must be high, normal, low or a number from 2 to 9</source>
        <translation>--quality doit être high, normal, low ou un nombre de 2 à 9</translation>
    </message>
    <message>
        <source>--audio-bitrate must be a number from 128 to 448</source>
        <translation>--audio-bitrate doit être un nombre de 128 à 448</translation>
    </message>
    <message>
        <source>--channels must be 1, 2 or 6</source>
        <translation>--channels doit être 1, 2 ou 6</translation>
    </message>
    <message>
        <source>--at-end must be repeat or stop</source>
        <translation>--at-end doit être repeat ou stop</translation>
    </message>
    <message>
        <source>%1 must be a number of milliseconds from %2 to %3</source>
        <translation>%1 doit être un nombre de millisecondes de %2 à %3</translation>
    </message>
    <message>
        <source>--copies must be a number from 1 to 99</source>
        <translation>--copies doit être un nombre de 1 à 99</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>one output is required: --to-folder, --to-iso or --to-drive</source>
        <translation>une sortie est requise : --to-folder, --to-iso ou --to-drive</translation>
    </message>
    <message>
        <source>give only one of --to-folder, --to-iso and --to-drive</source>
        <translation>n&apos;indiquez qu&apos;une seule option parmi --to-folder, --to-iso et --to-drive</translation>
    </message>
    <message>
        <source>no photos or folders given</source>
        <translation>aucune photo ni aucun dossier indiqué</translation>
    </message>
    <message>
        <source>--copies is only for --to-drive</source>
        <translation>--copies ne sert qu&apos;avec --to-drive</translation>
    </message>
    <message>
        <source>Not photos or audio by their names, not taken from the folders:</source>
        <translation>Ni photos ni audio d&apos;après leur nom, non repris des dossiers :</translation>
    </message>
    <message>
        <source>bring every clip to one loudness (-16 LUFS; the default) or play the clips at their own levels</source>
        <translation>amener chaque clip au même volume (-16 LUFS ; par défaut) ou lire les clips à leur propre niveau</translation>
    </message>
    <message>
        <source>fade the music in at its start and out at the end of the show, 500..10000 ms (0: no fade, the default)</source>
        <translation>faire entrer la musique en fondu au début et la faire sortir à la fin du diaporama, de 500 à 10000 ms (0 : pas de fondu, par défaut)</translation>
    </message>
    <message>
        <source>overlap consecutive clips, 0..10000 ms (default 0)</source>
        <translation>faire se chevaucher les clips successifs, de 0 à 10000 ms (par défaut 0)</translation>
    </message>
    <message>
        <source>--loudness must be even or keep</source>
        <translation>--loudness doit être even ou keep</translation>
    </message>
    <message>
        <source>--fade must be 0 or a number of milliseconds from %1 to %2</source>
        <translation>--fade doit être 0 ou un nombre de millisecondes de %1 à %2</translation>
    </message>
    <message>
        <source>--crossfade must be a number of milliseconds from 0 to %1</source>
        <translation>--crossfade doit être un nombre de millisecondes de 0 à %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 s of video, %4 x %5 (%6) at %7 frames/s, H.264 CRF %8</source>
        <translation>%1, %2, %3 s de vidéo, %4 x %5 (%6) à %7 images/s, H.264 CRF %8</translation>
    </message>
    <message>
        <source>%1, %2, %3 s of video, %4 %5, up to %6 Mbit/s</source>
        <translation>%1, %2, %3 s de vidéo, %4 %5, jusqu&apos;à %6 Mbit/s</translation>
    </message>
    <message>
        <source>Some files of the project are missing or cannot be read:</source>
        <translation>Certains fichiers du projet manquent ou sont illisibles :</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the project are missing; give --yes to make the DVD without them</source>
        <translation>
            <numerusform>%n fichier du projet manque ; ajoutez --yes pour créer le DVD sans lui</numerusform>
            <numerusform>%n fichiers du projet manquent ; ajoutez --yes pour créer le DVD sans eux</numerusform>
        </translation>
    </message>
    <message>
        <source>Making the DVD without them</source>
        <translation>Création du DVD sans eux</translation>
    </message>
    <message>
        <source>photos of another shape than the picture: whole with black bars (default), filling it (the centre kept), or whole on a blurred, darkened copy of themselves</source>
        <translation>photos d&apos;une autre forme que l&apos;image : entières avec des bandes noires (par défaut), remplissant l&apos;image (le centre gardé) ou entières sur une copie floutée et assombrie d&apos;elles-mêmes</translation>
    </message>
    <message>
        <source>the picture&apos;s shape: widescreen (default) or 4:3; a 4:3 television shows 16:9 letterboxed</source>
        <translation>la forme de l&apos;image : écran large (par défaut) ou 4:3 ; un téléviseur 4:3 affiche le 16:9 avec des bandes noires</translation>
    </message>
    <message>
        <source>a chapter at every photo (default), so a remote&apos;s Next and Previous step through them, or none</source>
        <translation>un chapitre à chaque photo (par défaut), pour que Suivant et Précédent de la télécommande les parcourent, ou aucun</translation>
    </message>
    <message>
        <source>the disc opens on a menu with Play and an index of the photos (default; with chapters at the photos), or starts the show at once</source>
        <translation>le disque s&apos;ouvre sur un menu avec Lecture et un index des photos (par défaut ; avec des chapitres aux photos) ou lance le diaporama aussitôt</translation>
    </message>
    <message>
        <source>Output (required):</source>
        <translation>Sortie (obligatoire) :</translation>
    </message>
    <message>
        <source>the video file (&quot;.mp4&quot; is appended if missing)</source>
        <translation>le fichier vidéo (« .mp4 » est ajouté s&apos;il manque)</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>Vidéo :</translation>
    </message>
    <message>
        <source>the picture&apos;s short side (default 1080p)</source>
        <translation>le petit côté de l&apos;image (par défaut 1080p)</translation>
    </message>
    <message>
        <source>the picture&apos;s shape; 9:16 stands upright for phones (default 16:9)</source>
        <translation>la forme de l&apos;image ; 9:16 est vertical pour les téléphones (par défaut 16:9)</translation>
    </message>
    <message>
        <source>frames a second (default 30)</source>
        <translation>images par seconde (par défaut 30)</translation>
    </message>
    <message>
        <source>high (CRF 18), normal (CRF 21, default) or small (CRF 26): lower CRF is sharper and larger</source>
        <translation>high (CRF 18), normal (CRF 21, par défaut) ou small (CRF 26) : un CRF plus bas est plus net et plus gros</translation>
    </message>
    <message>
        <source>overwrite an existing file; without it an existing file ends the run with exit code 1</source>
        <translation>écraser un fichier existant ; sans cette option, un fichier existant termine l&apos;exécution avec le code de sortie 1</translation>
    </message>
    <message>
        <source>print the diagnostic messages of the program and of the libraries it uses (FFmpeg, Qt) too; they always go to the diagnostic log, make-video.log in the cache folder</source>
        <translation>afficher aussi les messages de diagnostic du programme et des bibliothèques qu&apos;il utilise (FFmpeg, Qt) ; ils vont toujours dans le journal de diagnostic, make-video.log dans le dossier de cache</translation>
    </message>
    <message>
        <source>Usage: sorvel make-video [OPTIONS] --to FILE.mp4 PATH...
       sorvel make-video [OPTIONS] --to FILE.mp4 PROJECT.sorvel
</source>
        <translation>Utilisation : sorvel make-video [OPTIONS] --to FICHIER.mp4 CHEMIN...
              sorvel make-video [OPTIONS] --to FICHIER.mp4 PROJET.sorvel
</translation>
    </message>
    <message>
        <source>Makes an MP4 video file (H.264 and AAC, a chapter at every photo) of a slideshow from photos and music without opening a window.</source>
        <translation>Crée un fichier vidéo MP4 (H.264 et AAC, un chapitre à chaque photo) d&apos;un diaporama à partir de photos et de musique sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>PROJECT.sorvel: a saved project with its photos, clips, settings and video choices; the options given here override the project&apos;s.</source>
        <translation>PROJET.sorvel : un projet enregistré avec ses photos, clips, réglages et choix vidéo ; les options données ici priment sur celles du projet.</translation>
    </message>
    <message>
        <source>Ctrl-C aborts cleanly: nothing of the file is left.</source>
        <translation>Ctrl-C interrompt proprement : il ne reste rien du fichier.</translation>
    </message>
    <message>
        <source>option %1 is for make-dvd</source>
        <translation>l&apos;option %1 est pour make-dvd</translation>
    </message>
    <message>
        <source>option %1 is for make-video</source>
        <translation>l&apos;option %1 est pour make-video</translation>
    </message>
    <message>
        <source>option --to needs a non-empty value</source>
        <translation>l&apos;option --to demande une valeur non vide</translation>
    </message>
    <message>
        <source>--size must be 720p, 1080p or 2160p</source>
        <translation>--size doit être 720p, 1080p ou 2160p</translation>
    </message>
    <message>
        <source>--shape must be 16:9, 4:3, 9:16 or 1:1</source>
        <translation>--shape doit être 16:9, 4:3, 9:16 ou 1:1</translation>
    </message>
    <message>
        <source>--fps must be 25, 30, 50 or 60</source>
        <translation>--fps doit être 25, 30, 50 ou 60</translation>
    </message>
    <message>
        <source>--quality must be high, normal or small</source>
        <translation>--quality doit être high, normal ou small</translation>
    </message>
    <message>
        <source>--aspect must be 16:9 or 4:3</source>
        <translation>--aspect doit être 16:9 ou 4:3</translation>
    </message>
    <message>
        <source>--chapters must be photo or none</source>
        <translation>--chapters doit être photo ou none</translation>
    </message>
    <message>
        <source>--framing must be fit, fill or blur</source>
        <translation>--framing doit être fit, fill ou blur</translation>
    </message>
    <message>
        <source>the output is required: --to FILE.mp4</source>
        <translation>la sortie est obligatoire : --to FICHIER.mp4</translation>
    </message>
    <message>
        <source>give --to only once</source>
        <translation>donnez --to une seule fois</translation>
    </message>
    <message>
        <source>neither a picture nor a sound file</source>
        <translation>ni une image ni un fichier son</translation>
    </message>
    <message>
        <source>the folder cannot be read</source>
        <translation>le dossier est illisible</translation>
    </message>
    <message>
        <source>the name is not valid text; rename the file</source>
        <translation>le nom n&apos;est pas un texte valide ; renommez le fichier</translation>
    </message>
    <message>
        <source>--menu-background: %1 is not a photo of the show</source>
        <translation>--menu-background : %1 n&apos;est pas une photo du diaporama</translation>
    </message>
    <message>
        <source>the words on the menu&apos;s main page, any text (default: the volume label)</source>
        <translation>le texte de la page principale du menu, n&apos;importe quel texte (par défaut : le nom du volume)</translation>
    </message>
    <message>
        <source>the photo of the show behind the menu (default: the first photo)</source>
        <translation>la photo du diaporama derrière le menu (par défaut : la première photo)</translation>
    </message>
    <message>
        <source>the first music clip plays under the menu, faded, again and again (default when there is music), or the menu is silent</source>
        <translation>le premier clip audio joue sous le menu, en fondu, encore et encore (par défaut s&apos;il y a de la musique), ou le menu reste muet</translation>
    </message>
</context>
<context>
    <name>MakeJob</name>
    <message>
        <source>Checking the destination...</source>
        <translation>Vérification de la destination...</translation>
    </message>
    <message>
        <source>Creating video...</source>
        <translation>Création de la vidéo...</translation>
    </message>
    <message>
        <source>Creating menu...</source>
        <translation>Création du menu...</translation>
    </message>
    <message>
        <source>Creating DVD...</source>
        <translation>Création du DVD...</translation>
    </message>
    <message>
        <source>Creating DVD Folder</source>
        <translation>Création du dossier DVD</translation>
    </message>
    <message>
        <source>Creating ISO</source>
        <translation>Création de l&apos;ISO</translation>
    </message>
    <message>
        <source>Checking disc</source>
        <translation>Vérification du disque</translation>
    </message>
    <message>
        <source>Erasing</source>
        <translation>Effacement</translation>
    </message>
    <message>
        <source>Burning disc</source>
        <translation>Gravure du disque</translation>
    </message>
    <message>
        <source>Finalizing disc</source>
        <translation>Finalisation du disque</translation>
    </message>
    <message>
        <source>The temporary folder %1 does not exist and cannot be created.</source>
        <translation>Le dossier temporaire %1 n&apos;existe pas et ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1: %2</source>
        <translation>Impossible de créer un dossier de travail dans %1 : %2</translation>
    </message>
    <message>
        <source>The album has no photos.</source>
        <translation>L&apos;album ne contient aucune photo.</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Disc checking stopped</source>
        <translation>Vérification du disque arrêtée</translation>
    </message>
    <message>
        <source>the folder cannot be marked as in use</source>
        <translation>le dossier ne peut pas être marqué comme utilisé</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
    </message>
    <message>
        <source>The show needs about %1, more than the largest DVD holds (%2 on a double-layer disc).</source>
        <translation>Le diaporama demande environ %1, plus que le plus grand DVD ne contient (%2 sur un disque double couche).</translation>
    </message>
    <message>
        <source>No DVD can hold the image. Make it anyway?</source>
        <translation>Aucun DVD ne peut contenir l&apos;image. La créer quand même ?</translation>
    </message>
    <message>
        <source>Choose a lower quality, or make the show shorter (fewer photos or a shorter time for each).</source>
        <translation>Choisissez une qualité plus basse ou raccourcissez le diaporama (moins de photos ou moins de temps pour chacune).</translation>
    </message>
    <message>
        <source>Please choose the video file.</source>
        <translation>Veuillez choisir le fichier vidéo.</translation>
    </message>
    <message>
        <source>%1 is a folder; please choose a file name.</source>
        <translation>%1 est un dossier ; veuillez choisir un nom de fichier.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1.</source>
        <translation>Impossible d&apos;écrire dans le dossier %1.</translation>
    </message>
    <message>
        <source>Cannot write to %1.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>The file system of %1 does not support files larger than 4 GB; please choose another place.</source>
        <translation>Le système de fichiers de %1 ne prend pas en charge les fichiers de plus de 4 Go ; veuillez choisir un autre emplacement.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; will be overwritten. Do you want to continue?</source>
        <translation>Le fichier « %1 » sera écrasé. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Not enough space available on %1: the video needs about %2 MB.</source>
        <translation>Pas assez d&apos;espace sur %1 : la vidéo demande environ %2 Mo.</translation>
    </message>
</context>
<context>
    <name>MediaInfoWidget</name>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Résolution :</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modifié le :</translation>
    </message>
    <message>
        <source>Equipment Make:</source>
        <translation>Fabricant :</translation>
    </message>
    <message>
        <source>Camera Model:</source>
        <translation>Modèle d&apos;appareil :</translation>
    </message>
    <message>
        <source>Software:</source>
        <translation>Logiciel :</translation>
    </message>
    <message>
        <source>Compressed Bit-Per-Pixel:</source>
        <translation>Bits par pixel compressés :</translation>
    </message>
    <message>
        <source>Exposure Time:</source>
        <translation>Temps d&apos;exposition :</translation>
    </message>
    <message>
        <source>F-Number:</source>
        <translation>Ouverture (f) :</translation>
    </message>
    <message>
        <source>Exposure Mode:</source>
        <translation>Mode d&apos;exposition :</translation>
    </message>
    <message>
        <source>Exposure Bias:</source>
        <translation>Correction d&apos;exposition :</translation>
    </message>
    <message>
        <source>Max Aperture:</source>
        <translation>Ouverture maximale :</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canaux :</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Fréquence d&apos;échantillonnage :</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>%1KB</source>
        <comment>file size in kilobytes</comment>
        <translation>%1 Ko</translation>
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
        <translation>Fichiers JPEG</translation>
    </message>
    <message>
        <source>HEIF Files</source>
        <translation>Fichiers HEIF</translation>
    </message>
    <message>
        <source>AVIF Files</source>
        <translation>Fichiers AVIF</translation>
    </message>
    <message>
        <source>WebP Files</source>
        <translation>Fichiers WebP</translation>
    </message>
    <message>
        <source>PNG Files</source>
        <translation>Fichiers PNG</translation>
    </message>
    <message>
        <source>TIFF Files</source>
        <translation>Fichiers TIFF</translation>
    </message>
    <message>
        <source>BMP Files</source>
        <translation>Fichiers BMP</translation>
    </message>
    <message>
        <source>GIF Files</source>
        <translation>Fichiers GIF</translation>
    </message>
    <message>
        <source>XBM Files</source>
        <translation>Fichiers XBM</translation>
    </message>
    <message>
        <source>XPM Files</source>
        <translation>Fichiers XPM</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>Fichiers MP3</translation>
    </message>
    <message>
        <source>AAC and M4A Files</source>
        <translation>Fichiers AAC et M4A</translation>
    </message>
    <message>
        <source>Ogg Files</source>
        <translation>Fichiers Ogg</translation>
    </message>
    <message>
        <source>FLAC Files</source>
        <translation>Fichiers FLAC</translation>
    </message>
    <message>
        <source>WAV Files</source>
        <translation>Fichiers WAV</translation>
    </message>
    <message>
        <source>WebM and Matroska Files</source>
        <translation>Fichiers WebM et Matroska</translation>
    </message>
    <message>
        <source>AIFF Files</source>
        <translation>Fichiers AIFF</translation>
    </message>
    <message>
        <source>AC3 Files</source>
        <translation>Fichiers AC3</translation>
    </message>
    <message>
        <source>WMA Files</source>
        <translation>Fichiers WMA</translation>
    </message>
    <message>
        <source>Other Audio Files</source>
        <translation>Autres fichiers audio</translation>
    </message>
</context>
<context>
    <name>PhotoListWidget</name>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Retourner</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Pivoter à gauche</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Pivoter à droite</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Dimension</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profondeur</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transition</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Auto Rotate</source>
        <translation>Rotation auto</translation>
    </message>
    <message>
        <source>Auto Rotate All Photos</source>
        <translation>Pivoter automatiquement toutes les photos</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Déplacer à gauche</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Déplacer à droite</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Trier</translation>
    </message>
    <message>
        <source>Drag Photo(s) Here</source>
        <translation>Glissez les photos ici</translation>
    </message>
    <message>
        <source>Import Photos</source>
        <translation>Importer des photos</translation>
    </message>
    <message>
        <source>Copy Photos</source>
        <translation>Copier les photos</translation>
    </message>
    <message>
        <source>Move Photos</source>
        <translation>Déplacer les photos</translation>
    </message>
    <message>
        <source>%1 Bits</source>
        <comment>colour depth</comment>
        <translation>%1 bits</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>manquant</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Manquant</translation>
    </message>
    <message>
        <source>Left out of the preview and the DVD until it is found (Relink...).</source>
        <translation>Omis de l&apos;aperçu et du DVD jusqu&apos;à ce qu&apos;il soit retrouvé (Relier...).</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (manquant)</translation>
    </message>
    <message>
        <source>Title card</source>
        <translation>Carton de titre</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Title card: %1</source>
        <translation>Carton de titre : %1</translation>
    </message>
    <message>
        <source>%1, caption: %2</source>
        <translation>%1, légende : %2</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Temporary Folder</source>
        <translation>Dossier temporaire</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Button: opens the temporary folder in the file manager</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Delete temporary files after burning</source>
        <translation>Supprimer les fichiers temporaires après la gravure</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The language changes the next time Sorvel starts.</source>
        <translation>La langue change au prochain démarrage de Sorvel.</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>Burn</source>
        <extracomment>Tab title: the settings used while making and burning a DVD</extracomment>
        <translation>Graver</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Group title: the processor cores used for making</extracomment>
        <translation>Processeur</translation>
    </message>
    <message>
        <source>Setting the CPU core number for DVD making will affect the speed and the amount of system resources required.</source>
        <translation>Le nombre de cœurs utilisés pour créer le DVD influe sur la vitesse et sur les ressources système nécessaires.</translation>
    </message>
    <message>
        <source>Use all cores (offers the highest making speed)</source>
        <translation>Utiliser tous les cœurs (la création la plus rapide)</translation>
    </message>
    <message>
        <source>Use the least number of cores (requires the least amount of resources)</source>
        <translation>Utiliser le moins de cœurs possible (le moins de ressources)</translation>
    </message>
    <message>
        <source>Set Core Number:</source>
        <translation>Nombre de cœurs :</translation>
    </message>
    <message>
        <source>Action After Making</source>
        <translation>Action après la création</translation>
    </message>
    <message>
        <source>Action After Making:</source>
        <translation>Action après la création :</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Ne rien faire</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hiberner</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>Mettre en veille</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Failed to open folder &quot;%1&quot;.</source>
        <translation>Impossible d&apos;ouvrir le dossier « %1 ».</translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation>Le chemin choisi n&apos;est pas valide, veuillez en choisir un autre.</translation>
    </message>
    <message>
        <source>The selected folder is read-only, please select other folder.</source>
        <translation>Le dossier choisi est en lecture seule, veuillez choisir un autre dossier.</translation>
    </message>
</context>
<context>
    <name>PreviewPlayer</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>The sound card cannot play %1 channels.</source>
        <translation>La carte son ne peut pas lire %1 canaux.</translation>
    </message>
    <message>
        <source>The sound device is no longer available.</source>
        <translation>Le périphérique audio n&apos;est plus disponible.</translation>
    </message>
</context>
<context>
    <name>Probe</name>
    <message>
        <source>not a picture</source>
        <translation>pas une image</translation>
    </message>
    <message>
        <source>too large (%1 x %2 pixels)</source>
        <translation>trop grande (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>tronqué</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>endommagé : %1</translation>
    </message>
    <message>
        <source>not a sound file</source>
        <translation>pas un fichier son</translation>
    </message>
    <message>
        <source>has no sound the program can play</source>
        <translation>n&apos;a aucun son que le programme peut lire</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>endommagé</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Creating DVD…</source>
        <translation>Création du DVD…</translation>
    </message>
    <message>
        <source>Elapsed Time: 00:00:00</source>
        <translation>Temps écoulé : 00:00:00</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0 %</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Ne rien faire</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hiberner</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>Mettre en veille</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Burn Next</source>
        <translation>Graver la suivante</translation>
    </message>
    <message>
        <source>Finished</source>
        <extracomment>Button that closes the progress window (a verb where the language needs one)</extracomment>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Abort or not?</source>
        <translation>Annuler ?</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>Creating title</source>
        <translation>Création du titre</translation>
    </message>
    <message>
        <source>Creating menu</source>
        <translation>Création du menu</translation>
    </message>
    <message>
        <source>Creating DVD</source>
        <translation>Création du DVD</translation>
    </message>
    <message>
        <source>Creating DVD Folder</source>
        <translation>Création du dossier DVD</translation>
    </message>
    <message>
        <source>Creating ISO</source>
        <translation>Création de l&apos;ISO</translation>
    </message>
    <message>
        <source>Checking disc</source>
        <translation>Vérification du disque</translation>
    </message>
    <message>
        <source>Burning disc</source>
        <translation>Gravure du disque</translation>
    </message>
    <message>
        <source>Creating DVD...</source>
        <translation>Création du DVD...</translation>
    </message>
    <message>
        <source>Checking the destination...</source>
        <translation>Vérification de la destination...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Creating video...</source>
        <translation>Création de la vidéo...</translation>
    </message>
    <message>
        <source>Creating menu...</source>
        <translation>Création du menu...</translation>
    </message>
    <message>
        <source>Erasing</source>
        <translation>Effacement</translation>
    </message>
    <message>
        <source>Finalizing disc</source>
        <translation>Finalisation du disque</translation>
    </message>
    <message>
        <source>Created Successfully!</source>
        <translation>Création réussie !</translation>
    </message>
    <message>
        <source>The DVD folder is %1</source>
        <translation>Le dossier DVD est %1</translation>
    </message>
    <message>
        <source>The DVD image is %1</source>
        <translation>L&apos;image DVD est %1</translation>
    </message>
    <message>
        <source>The DVD was burnt in %1.</source>
        <translation>Le DVD a été gravé dans %1.</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Failed to create DVD!</source>
        <translation>Impossible de créer le DVD !</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Elapsed Time: %1:%2:%3</source>
        <translation>Temps écoulé : %1:%2:%3</translation>
    </message>
    <message>
        <source>Aborting, please wait...</source>
        <translation>Annulation, veuillez patienter...</translation>
    </message>
    <message>
        <source>Failed to open folder &quot;%1&quot;.</source>
        <translation>Impossible d&apos;ouvrir le dossier « %1 ».</translation>
    </message>
    <message>
        <source>Action After Making:</source>
        <extracomment>Label before the list of what happens once the DVD is made (do nothing, shut down...); keep it short</extracomment>
        <translation>Ensuite :</translation>
    </message>
    <message>
        <source>Action After Making</source>
        <translation>Ensuite</translation>
    </message>
    <message>
        <source>Creating video</source>
        <translation>Création de la vidéo</translation>
    </message>
    <message>
        <source>Exporting video...</source>
        <translation>Exportation de la vidéo...</translation>
    </message>
    <message>
        <source>The video file is %1</source>
        <translation>Le fichier vidéo est %1</translation>
    </message>
    <message>
        <source>Failed to export the video!</source>
        <translation>Échec de l&apos;exportation de la vidéo !</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>The file is damaged.</source>
        <translation>Le fichier est endommagé.</translation>
    </message>
    <message>
        <source>The file is not a Sorvel project.</source>
        <translation>Le fichier n&apos;est pas un projet Sorvel.</translation>
    </message>
    <message>
        <source>It was saved by a newer version of Sorvel (project format %1; this version reads format %2). Please update Sorvel to open it.</source>
        <translation>Il a été enregistré par une version plus récente de Sorvel (format de projet %1 ; cette version lit le format %2). Mettez Sorvel à jour pour l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>The project cannot be saved to %1: %2</source>
        <translation>Impossible d&apos;enregistrer le projet dans %1 : %2</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: %2</source>
        <translation>Impossible d&apos;ouvrir le projet %1 : %2</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened.
%2</source>
        <translation>Impossible d&apos;ouvrir le projet %1.
%2</translation>
    </message>
    <message>
        <source>It is not valid JSON at byte %1: %2.</source>
        <translation>Ce n&apos;est pas du JSON valide à l&apos;octet %1 : %2.</translation>
    </message>
    <message>
        <source>version: not a format version.</source>
        <translation>version : pas une version de format.</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>manquant</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>pas un objet</translation>
    </message>
    <message>
        <source>not a list</source>
        <translation>pas une liste</translation>
    </message>
    <message>
        <source>not 0, 1, 2 or 3</source>
        <translation>ni 0, 1, 2 ni 3</translation>
    </message>
    <message>
        <source>before clipStart</source>
        <translation>avant clipStart</translation>
    </message>
    <message>
        <source>not a loudness</source>
        <translation>pas une intensité sonore</translation>
    </message>
    <message>
        <source>not a peak level</source>
        <translation>pas un niveau de crête</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>pas un nombre</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>pas un texte</translation>
    </message>
    <message>
        <source>not &quot;PAL&quot; or &quot;NTSC&quot;</source>
        <translation>ni « PAL » ni « NTSC »</translation>
    </message>
    <message>
        <source>not 1, 2 or 6</source>
        <translation>ni 1, 2 ni 6</translation>
    </message>
    <message>
        <source>not &quot;repeat&quot; or &quot;stop&quot;</source>
        <translation>ni « repeat » ni « stop »</translation>
    </message>
    <message>
        <source>not 25, 30, 50 or 60</source>
        <translation>ni 25, 30, 50 ni 60</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: %2.</source>
        <translation>Le projet %1 ne peut pas être ouvert : %2.</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: it is too large (%2 MB; a project is at most %3 MB).</source>
        <translation>Le projet %1 ne peut pas être ouvert : il est trop grand (%2 Mo ; un projet fait au plus %3 Mo).</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: it is too large (a project is at most %2 MB).</source>
        <translation>Le projet %1 ne peut pas être ouvert : il est trop grand (un projet fait au plus %2 Mo).</translation>
    </message>
</context>
<context>
    <name>Project::Reader</name>
    <message>
        <source>not true or false</source>
        <translation>ni true ni false</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>pas un nombre</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>pas un nombre entier</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 est hors de %2 à %3</translation>
    </message>
    <message>
        <source>%1 was %2; the editor takes %3 to %4, so it is now %5.</source>
        <translation>%1 valait %2 ; l&apos;éditeur accepte %3 à %4, la valeur est donc maintenant %5.</translation>
    </message>
    <message>
        <source>not one of the choices</source>
        <translation>pas l&apos;un des choix</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>manquant</translation>
    </message>
    <message>
        <source>negative</source>
        <translation>négatif</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>pas un texte</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>pas un objet</translation>
    </message>
    <message>
        <source>not 0 or 1</source>
        <translation>ni 0 ni 1</translation>
    </message>
    <message>
        <source>not a list of four numbers</source>
        <translation>pas une liste de quatre nombres</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Start the program failed. Please re-install it.</source>
        <translation>Le programme n&apos;a pas pu démarrer. Veuillez le réinstaller.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
</context>
<context>
    <name>SkinModel</name>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
</context>
<context>
    <name>VideoGeneration</name>
    <message>
        <source>Cannot render the slideshow: %1</source>
        <translation>Impossible de rendre le diaporama : %1</translation>
    </message>
    <message>
        <source>Cannot write the video: %1</source>
        <translation>Impossible d&apos;écrire la vidéo : %1</translation>
    </message>
    <message>
        <source>Cannot create the video file: %1</source>
        <translation>Impossible de créer le fichier vidéo : %1</translation>
    </message>
    <message>
        <source>Cannot start encoding: %1</source>
        <translation>Impossible de lancer l&apos;encodage : %1</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Interrompu</translation>
    </message>
    <message>
        <source>Cannot rename %1 to %2: %3</source>
        <translation>Impossible de renommer %1 en %2 : %3</translation>
    </message>
</context>
<context>
    <name>WaitForDiscDialog</name>
    <message>
        <source>Required disc type:</source>
        <translation>Type de disque requis :</translation>
    </message>
    <message>
        <source>Disc type from the recorder:</source>
        <translation>Type de disque selon le graveur :</translation>
    </message>
    <message>
        <source>Capacity needed:</source>
        <translation>Capacité nécessaire :</translation>
    </message>
    <message>
        <source>Free space on the disc:</source>
        <translation>Espace libre sur le disque :</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Are you sure you want to abort?</source>
        <translation>Voulez-vous vraiment annuler ?</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the running editor did not answer; the files were not opened</source>
        <translation>l&apos;éditeur déjà ouvert n&apos;a pas répondu ; les fichiers n&apos;ont pas été ouverts</translation>
    </message>
</context>
</TS>
