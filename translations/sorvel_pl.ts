<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Application</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja „%1”</translation>
    </message>
</context>
<context>
    <name>AudioListWidget</name>
    <message>
        <source>Audio clips</source>
        <translation>Klipy audio</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Czas trwania</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Częstotliwość próbkowania</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Punkt początkowy</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Punkt końcowy</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Przesuń w lewo</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Przesuń w prawo</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortuj</translation>
    </message>
    <message>
        <source>Drag Audio File(s) Here</source>
        <translation>Przeciągnij tutaj pliki audio</translation>
    </message>
    <message>
        <source>Copy Clips</source>
        <translation>Kopiuj klipy</translation>
    </message>
    <message>
        <source>Move Clips</source>
        <translation>Przenieś klipy</translation>
    </message>
    <message>
        <source>Import Audio</source>
        <translation>Importuj audio</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (brak)</translation>
    </message>
</context>
<context>
    <name>AudioOutput</name>
    <message>
        <source>No sound output device could be opened.</source>
        <translation>Nie można otworzyć żadnego urządzenia wyjścia dźwięku.</translation>
    </message>
    <message>
        <source>The sound output device could not be set up.</source>
        <translation>Nie można skonfigurować urządzenia wyjścia dźwięku.</translation>
    </message>
    <message>
        <source>The sound output device has no free voice.</source>
        <translation>Urządzenie wyjścia dźwięku nie ma wolnego głosu.</translation>
    </message>
    <message>
        <source>The sound output device has no room for the sound buffers.</source>
        <translation>Urządzenie wyjścia dźwięku nie ma miejsca na bufory dźwięku.</translation>
    </message>
</context>
<context>
    <name>BitRateDialog</name>
    <message>
        <source>Customize Bitrate</source>
        <translation>Własna przepływność</translation>
    </message>
    <message>
        <source>Please input customized bitrate:</source>
        <translation>Podaj żądaną przepływność:</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Zakres:</translation>
    </message>
    <message>
        <source>Mbps</source>
        <translation>Mb/s</translation>
    </message>
    <message>
        <source>kbit/s</source>
        <translation>kb/s</translation>
    </message>
    <message>
        <source>Please input a valid value</source>
        <translation>Podaj prawidłową wartość</translation>
    </message>
</context>
<context>
    <name>BurnWorkflow</name>
    <message>
        <source>The output folder does not exist, please set the output folder and try again.</source>
        <translation>Folder wyjściowy nie istnieje. Ustaw folder wyjściowy i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The temporary folder does not exist, please set the temporary folder and try again.</source>
        <translation>Folder tymczasowy nie istnieje. Ustaw folder tymczasowy i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Another disc job is still running; please try again later.</source>
        <translation>Trwa inne nagrywanie. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Burn process failed. Do you want to try again.</source>
        <translation>Nagrywanie nie powiodło się. Czy spróbować ponownie?</translation>
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
        <translation>Za mało wolnego miejsca na dysku z folderem tymczasowym. Na dysku %2 potrzeba co najmniej %1.</translation>
    </message>
    <message>
        <source>Not enough space available in the target disk. At least %1 of disk space is needed in %2 disk.</source>
        <translation>Za mało miejsca na dysku docelowym. Na dysku %2 potrzeba co najmniej %1.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2.</source>
        <translation>Nie można zapisać do %1: %2.</translation>
    </message>
    <message>
        <source>The folder %1 will be cleared. Do you want to continue?</source>
        <translation>Folder %1 zostanie wyczyszczony. Czy kontynuować?</translation>
    </message>
    <message>
        <source>The file system of destination disk (%1) does not support files larger than 4GB, please select again.</source>
        <translation>System plików dysku docelowego (%1) nie obsługuje plików większych niż 4 GB. Wybierz inne miejsce docelowe.</translation>
    </message>
    <message>
        <source>The file %1 will be overwritten. Do you want to continue?</source>
        <translation>Plik %1 zostanie zastąpiony. Czy kontynuować?</translation>
    </message>
    <message>
        <source>%1: no such recorder.</source>
        <translation>%1: nie ma takiej nagrywarki.</translation>
    </message>
    <message>
        <source>%1 is a folder, not an optical drive.</source>
        <translation>%1 to folder, a nie napęd optyczny.</translation>
    </message>
    <message>
        <source>%1 is a file, not an optical drive; to write a disc image into it, use stdio:%1.</source>
        <translation>%1 to plik, a nie napęd optyczny; aby zapisać w nim obraz płyty, użyj stdio:%1.</translation>
    </message>
    <message>
        <source>%1 is not an optical drive.</source>
        <translation>%1 nie jest napędem optycznym.</translation>
    </message>
    <message>
        <source>No recorder was found.</source>
        <translation>Nie znaleziono nagrywarki.</translation>
    </message>
    <message>
        <source>Recorders found: %1</source>
        <translation>Znalezione nagrywarki: %1</translation>
    </message>
    <message>
        <source>%1 is a folder; a disc image needs a file name.</source>
        <translation>%1 to folder; obraz płyty wymaga nazwy pliku.</translation>
    </message>
    <message>
        <source>Please select the destination.</source>
        <translation>Wybierz miejsce docelowe.</translation>
    </message>
    <message>
        <source>The disc in the drive is not blank. Writing to this disc will erase all the data on the disc. 
Do you want to continue?</source>
        <translation>Płyta w napędzie nie jest pusta. Nagrywanie usunie z niej wszystkie dane.
Czy kontynuować?</translation>
    </message>
    <message>
        <source>Please insert a blank disc.</source>
        <translation>Włóż pustą płytę.</translation>
    </message>
    <message>
        <source>Not enough free space in the disc, please insert another disc.</source>
        <translation>Za mało wolnego miejsca na płycie. Włóż inną płytę.</translation>
    </message>
    <message>
        <source>Please insert a blank and recordable disc.</source>
        <translation>Włóż pustą płytę do nagrywania.</translation>
    </message>
    <message>
        <source>Burning failed! %1We recommend you burn again.</source>
        <translation>Nagrywanie nie powiodło się! %1Zalecamy nagrać ponownie.</translation>
    </message>
    <message>
        <source>Burn failed! Open ISO failed, we suggest you burn again.</source>
        <translation>Nagrywanie nie powiodło się! Nie można otworzyć obrazu ISO; zalecamy nagrać ponownie.</translation>
    </message>
    <message>
        <source>Failed to open disc, please retry.</source>
        <translation>Nie można otworzyć płyty, spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Failed to write to disc, please retry.</source>
        <translation>Nie można zapisać na płycie, spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Failed to read DVD data.</source>
        <translation>Nie można odczytać danych DVD.</translation>
    </message>
    <message>
        <source>Failed to create the DVD folder.</source>
        <translation>Nie można utworzyć folderu DVD.</translation>
    </message>
    <message>
        <source>Burning failed!</source>
        <translation>Nagrywanie nie powiodło się!</translation>
    </message>
    <message>
        <source>Disc checking stopped</source>
        <translation>Sprawdzanie płyty zatrzymane</translation>
    </message>
    <message>
        <source>Burning aborted!</source>
        <translation>Nagrywanie przerwane!</translation>
    </message>
    <message>
        <source>Failed to erase!</source>
        <translation>Kasowanie nie powiodło się!</translation>
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
        <translation>Pojemność płyty</translation>
    </message>
    <message>
        <source>Disc space is sufficient</source>
        <translation>Miejsca na płycie wystarczy</translation>
    </message>
    <message>
        <source>The file size is close to the maximum disc capacity</source>
        <translation>Rozmiar jest bliski maksymalnej pojemności płyty</translation>
    </message>
    <message>
        <source>The file size is beyond the maximum disc capacity</source>
        <translation>Rozmiar przekracza maksymalną pojemność płyty</translation>
    </message>
</context>
<context>
    <name>CaptionDialog</name>
    <message>
        <source>Caption</source>
        <translation>Podpis</translation>
    </message>
    <message>
        <source>Add Title Card</source>
        <translation>Dodaj planszę tytułową</translation>
    </message>
    <message>
        <source>Title Card</source>
        <translation>Plansza tytułowa</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Tekst:</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Czcionka:</translation>
    </message>
    <message>
        <source>&amp;Size (% of the picture height):</source>
        <translation>&amp;Rozmiar (% wysokości obrazu):</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>K&amp;olor:</translation>
    </message>
    <message>
        <source>&amp;Position:</source>
        <translation>&amp;Położenie:</translation>
    </message>
    <message>
        <source>&amp;Legibility:</source>
        <translation>&amp;Czytelność:</translation>
    </message>
    <message>
        <source>&amp;Duration (s):</source>
        <translation>&amp;Czas (s):</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Tło:</translation>
    </message>
    <message>
        <source>Background c&amp;olours:</source>
        <translation>Kolory t&amp;ła:</translation>
    </message>
    <message>
        <source>P&amp;hoto:</source>
        <translation>Z&amp;djęcie:</translation>
    </message>
    <message>
        <source>P&amp;lace:</source>
        <translation>&amp;Miejsce:</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Pogrubienie</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursywa</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Położenie</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Wyrównanie</translation>
    </message>
    <message>
        <source>Legibility</source>
        <translation>Czytelność</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Na dole</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Na górze</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Na środku</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Do lewej</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>Wyśrodkowany</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Do prawej</translation>
    </message>
    <message>
        <source>Soft shadow</source>
        <translation>Miękki cień</translation>
    </message>
    <message>
        <source>Translucent band</source>
        <translation>Półprzezroczysty pas</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>Inny...</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Tło</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation>Kolor tła</translation>
    </message>
    <message>
        <source>Gradient Colour</source>
        <translation>Kolor gradientu</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Zdjęcie</translation>
    </message>
    <message>
        <source>Plain colour</source>
        <translation>Jednolity kolor</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Gradient</translation>
    </message>
    <message>
        <source>Blurred photo</source>
        <translation>Rozmyte zdjęcie</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Miejsce</translation>
    </message>
    <message>
        <source>After the selected photo</source>
        <translation>Po zaznaczonym zdjęciu</translation>
    </message>
    <message>
        <source>Before the selected photo</source>
        <translation>Przed zaznaczonym zdjęciem</translation>
    </message>
    <message>
        <source>At the start</source>
        <translation>Na początku</translation>
    </message>
    <message>
        <source>At the end</source>
        <translation>Na końcu</translation>
    </message>
    <message>
        <source>Apply Style to &amp;All</source>
        <translation>Zastosuj styl do &amp;wszystkich</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; is not installed here; the text is drawn in &quot;%2&quot;.</source>
        <translation>Czcionka „%1” nie jest tu zainstalowana; tekst jest rysowany czcionką „%2”.</translation>
    </message>
</context>
<context>
    <name>CaptionJson</name>
    <message>
        <source>not an object</source>
        <translation>nie jest obiektem</translation>
    </message>
</context>
<context>
    <name>CaptionJson::Members</name>
    <message>
        <source>missing</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>nie jest tekstem</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>nie jest true ani false</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>nie jest liczbą</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>nie jest liczbą całkowitą</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 jest poza zakresem od %2 do %3</translation>
    </message>
    <message>
        <source>not a colour (#rrggbb)</source>
        <translation>nie jest kolorem (#rrggbb)</translation>
    </message>
    <message>
        <source>not one of %1</source>
        <translation>nie jest jednym z %1</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>make a DVD from photos and music (see make-dvd --help)</source>
        <translation>tworzy DVD ze zdjęć i muzyki (zobacz make-dvd --help)</translation>
    </message>
    <message>
        <source>Usage: sorvel [COMMAND [OPTIONS]]</source>
        <translation>Użycie: sorvel [POLECENIE [OPCJE]]</translation>
    </message>
    <message>
        <source>Without a command, starts the slideshow editor.</source>
        <translation>Bez polecenia uruchamia edytor pokazu slajdów.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Polecenia:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>pokaż tę pomoc i zakończ</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>pokaż wersję i zakończ</translation>
    </message>
    <message>
        <source>Run &apos;sorvel COMMAND --help&apos; for a command&apos;s options.</source>
        <translation>„sorvel POLECENIE --help” pokazuje opcje polecenia.</translation>
    </message>
    <message>
        <source>make an MP4 video file from photos and music (see make-video --help)</source>
        <translation>utwórz plik wideo MP4 ze zdjęć i muzyki (zobacz make-video --help)</translation>
    </message>
</context>
<context>
    <name>DestinationBox</name>
    <message>
        <source>The folder %1 will be cleared. Do you want to continue?</source>
        <translation>Folder %1 zostanie wyczyszczony. Czy kontynuować?</translation>
    </message>
    <message>
        <source>Input volume label</source>
        <translation>Podaj etykietę woluminu</translation>
    </message>
    <message>
        <source>Open DVD Folder...</source>
        <translation>Otwórz folder DVD...</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2.</source>
        <translation>Nie można zapisać do %1: %2.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>DVD Image file (*.iso)</source>
        <translation>Obraz DVD (*.iso)</translation>
    </message>
    <message>
        <source>Please select the destination.</source>
        <translation>Wybierz miejsce docelowe.</translation>
    </message>
    <message>
        <source>Save as DVD Folder</source>
        <translation>Zapisz jako folder DVD</translation>
    </message>
    <message>
        <source>Save as Image (.iso)</source>
        <translation>Zapisz jako obraz (.iso)</translation>
    </message>
</context>
<context>
    <name>DialogQuestions</name>
    <message>
        <source>Waiting for Disc</source>
        <translation>Oczekiwanie na płytę</translation>
    </message>
    <message>
        <source>To skip disc checking, please click &quot;Ignore&quot;, but it will show again when starting burning.</source>
        <translation>Aby pominąć sprawdzanie płyty, kliknij „Ignoruj”; pojawi się ono ponownie na początku nagrywania.</translation>
    </message>
</context>
<context>
    <name>DiscJob</name>
    <message>
        <source>Cannot empty %1: %2</source>
        <translation>Nie można wyczyścić %1: %2</translation>
    </message>
    <message>
        <source>Erasing the disc in %1 failed</source>
        <translation>Kasowanie płyty w %1 nie powiodło się</translation>
    </message>
    <message>
        <source>The DVD folder %1 does not exist</source>
        <translation>Folder DVD %1 nie istnieje</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Nie można utworzyć %1: %2</translation>
    </message>
    <message>
        <source>genisoimage was not found</source>
        <translation>Nie znaleziono programu genisoimage</translation>
    </message>
    <message>
        <source>genisoimage could not be started: %1</source>
        <translation>Nie można uruchomić programu genisoimage: %1</translation>
    </message>
    <message>
        <source>%1: No space left on device</source>
        <translation>%1: brak miejsca na urządzeniu</translation>
    </message>
    <message>
        <source>Cannot open the image %1</source>
        <translation>Nie można otworzyć obrazu %1</translation>
    </message>
    <message>
        <source>Out of memory preparing the write</source>
        <translation>Za mało pamięci, aby przygotować zapis</translation>
    </message>
    <message>
        <source>Cannot prepare the image %1 for writing</source>
        <translation>Nie można przygotować obrazu %1 do zapisu</translation>
    </message>
    <message>
        <source>Cannot open the disc in %1</source>
        <translation>Nie można otworzyć płyty w %1</translation>
    </message>
    <message>
        <source>The disc in %1 cannot be written: %2</source>
        <translation>Nie można zapisać płyty w %1: %2</translation>
    </message>
    <message>
        <source>Writing to %1 failed: %2</source>
        <translation>Zapis do %1 nie powiódł się: %2</translation>
    </message>
    <message>
        <source>Cannot truncate %1</source>
        <translation>Nie można obciąć %1</translation>
    </message>
    <message>
        <source>Cannot stage the disc image in %1: %2</source>
        <translation>Nie można przygotować obrazu płyty w %1: %2</translation>
    </message>
    <message>
        <source>The image %1 does not exist</source>
        <translation>Obraz %1 nie istnieje</translation>
    </message>
    <message>
        <source>Cannot rename the image to %1: %2</source>
        <translation>Nie można zmienić nazwy obrazu na %1: %2</translation>
    </message>
    <message>
        <source>Cannot remove %1</source>
        <translation>Nie można usunąć %1</translation>
    </message>
    <message>
        <source>Cannot open the drive %1</source>
        <translation>Nie można otworzyć napędu %1</translation>
    </message>
    <message>
        <source>The disc-recording library is not available</source>
        <translation>Biblioteka nagrywania płyt jest niedostępna</translation>
    </message>
</context>
<context>
    <name>DvdGeneration</name>
    <message>
        <source>Cannot render the slideshow: %1</source>
        <translation>Nie można wygenerować pokazu slajdów: %1</translation>
    </message>
    <message>
        <source>Cannot create the audio stream: %1</source>
        <translation>Nie można utworzyć strumienia audio: %1</translation>
    </message>
    <message>
        <source>Cannot start encoding: %1</source>
        <translation>Nie można rozpocząć kodowania: %1</translation>
    </message>
    <message>
        <source>Encoding failed: %1</source>
        <translation>Kodowanie nie powiodło się: %1</translation>
    </message>
    <message>
        <source>The encoded video is missing.</source>
        <translation>Brak zakodowanego wideo.</translation>
    </message>
    <message>
        <source>The encoded streams are missing.</source>
        <translation>Brak zakodowanych strumieni.</translation>
    </message>
    <message>
        <source>mplex did not start reading the video</source>
        <translation>mplex nie zaczął czytać wideo</translation>
    </message>
    <message>
        <source>Failed to create DVD!</source>
        <translation>Nie można utworzyć DVD!</translation>
    </message>
    <message>
        <source>Cannot create the video stream: %1</source>
        <translation>Nie można utworzyć strumienia wideo: %1</translation>
    </message>
    <message>
        <source>The video ended early.</source>
        <translation>Wideo skończyło się za wcześnie.</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Przerwano</translation>
    </message>
</context>
<context>
    <name>DvdMenu</name>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Zdjęcia</translation>
    </message>
    <message>
        <source>Photos %1 of %2</source>
        <translation>Zdjęcia %1 z %2</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Powrót</translation>
    </message>
</context>
<context>
    <name>DvdSettingsDialog</name>
    <message>
        <source>DVD Settings</source>
        <translation>Ustawienia DVD</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Cel:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Cel</translation>
    </message>
    <message>
        <source>Volume Label:</source>
        <translation>Etykieta woluminu:</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Etykieta woluminu</translation>
    </message>
    <message>
        <source>Writing Speed:</source>
        <translation>Prędkość zapisu:</translation>
    </message>
    <message>
        <source>Writing Speed</source>
        <translation>Prędkość zapisu</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Kopie:</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Kopie</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Ustawienia wideo</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Jakość:</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Jakość wideo</translation>
    </message>
    <message>
        <source>The most the video may take: High up to 9 Mbit/s, Normal up to 5, Low up to 2. Still photos take far less.</source>
        <translation>Najwięcej, ile może zająć wideo: Wysoka do 9 Mb/s, Normalna do 5, Niska do 2. Nieruchome zdjęcia zajmują znacznie mniej.</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Wysoka</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalna</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niska</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Dostosuj</translation>
    </message>
    <message>
        <source>TV Standard:</source>
        <translation>Standard TV:</translation>
    </message>
    <message>
        <source>TV Standard</source>
        <translation>Standard TV</translation>
    </message>
    <message>
        <source>When the Show Ends:</source>
        <translation>Po zakończeniu pokazu:</translation>
    </message>
    <message>
        <source>When the Show Ends</source>
        <translation>Po zakończeniu pokazu</translation>
    </message>
    <message>
        <source>What the disc does after the last photo: start the show again, or stop as a film does</source>
        <translation>Co robi płyta po ostatnim zdjęciu: zaczyna pokaz od nowa albo zatrzymuje się jak film</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Odtwórz ponownie</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Ustawienia audio</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Przepływność:</translation>
    </message>
    <message>
        <source>Audio Bit Rate</source>
        <translation>Przepływność audio</translation>
    </message>
    <message>
        <source>128kbit/s (Lowest Audio Quality)</source>
        <translation>128 kb/s (najniższa jakość dźwięku)</translation>
    </message>
    <message>
        <source>160kbit/s (Low Audio Quality)</source>
        <translation>160 kb/s (niska jakość dźwięku)</translation>
    </message>
    <message>
        <source>192kbit/s (Normal Audio Quality)</source>
        <translation>192 kb/s (normalna jakość dźwięku)</translation>
    </message>
    <message>
        <source>320kbit/s (High Audio Quality)</source>
        <translation>320 kb/s (wysoka jakość dźwięku)</translation>
    </message>
    <message>
        <source>448kbit/s (Highest Audio Quality)</source>
        <translation>448 kb/s (najwyższa jakość dźwięku)</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanały:</translation>
    </message>
    <message>
        <source>Audio Channels</source>
        <translation>Kanały audio</translation>
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
        <translation>Szacowany rozmiar:</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Nagraj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>%1Mbps</source>
        <translation>%1 Mb/s</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Maks.</translation>
    </message>
    <message>
        <source>Estimated size: up to %1</source>
        <translation>Szacowany rozmiar: do %1</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Proporcje obrazu:</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Proporcje obrazu</translation>
    </message>
    <message>
        <source>The picture&apos;s shape: 16:9 fills a widescreen television (a 4:3 one shows it letterboxed); 4:3 fills an old one</source>
        <translation>Kształt obrazu: 16:9 wypełnia telewizor panoramiczny (telewizor 4:3 pokazuje go z pasami); 4:3 wypełnia starszy telewizor</translation>
    </message>
    <message>
        <source>16:9 Widescreen</source>
        <translation>16:9 panoramiczny</translation>
    </message>
    <message>
        <source>4:3</source>
        <translation>4:3</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Rozdziały:</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Rozdziały</translation>
    </message>
    <message>
        <source>A chapter at every photo lets a remote&apos;s Next and Previous buttons step through the photos</source>
        <translation>Rozdział przy każdym zdjęciu pozwala przyciskom Dalej i Wstecz pilota przechodzić między zdjęciami</translation>
    </message>
    <message>
        <source>One per Photo</source>
        <translation>Jeden na zdjęcie</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Start with a Menu</source>
        <translation>Zacznij od menu</translation>
    </message>
    <message>
        <source>The disc opens on the album&apos;s title with Play and an index of the photos, and returns there at the end of the show; each photo then starts a chapter</source>
        <translation>Płyta otwiera się tytułem albumu z Odtwórz i spisem zdjęć, a na końcu pokazu wraca tam; każde zdjęcie zaczyna wtedy rozdział</translation>
    </message>
    <message>
        <source>Menu Preview</source>
        <translation>Podgląd menu</translation>
    </message>
    <message>
        <source>The menu&apos;s main page</source>
        <translation>Strona główna menu</translation>
    </message>
    <message>
        <source>The disc starts the show at once</source>
        <translation>Płyta od razu zaczyna pokaz</translation>
    </message>
    <message>
        <source>Menu Title:</source>
        <translation>Tytuł menu:</translation>
    </message>
    <message>
        <source>Menu Title</source>
        <translation>Tytuł menu</translation>
    </message>
    <message>
        <source>The words on the menu&apos;s main page; empty: the volume label</source>
        <translation>Tekst na stronie głównej menu; puste: etykieta woluminu</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Tło:</translation>
    </message>
    <message>
        <source>Menu Background</source>
        <translation>Tło menu</translation>
    </message>
    <message>
        <source>The picture behind the menu, blurred and darkened</source>
        <translation>Obraz za menu, rozmyty i przyciemniony</translation>
    </message>
    <message>
        <source>Music in the Menu</source>
        <translation>Muzyka w menu</translation>
    </message>
    <message>
        <source>The first music clip plays under the menu, faded in and out, again and again</source>
        <translation>Pierwszy klip audio gra pod menu, z narastaniem i wyciszeniem, w kółko</translation>
    </message>
    <message>
        <source>First Photo</source>
        <translation>Pierwsze zdjęcie</translation>
    </message>
    <message>
        <source>A Title Card&apos;s Look</source>
        <translation>Wygląd planszy tytułowej</translation>
    </message>
    <message>
        <source>The album has no music</source>
        <translation>Album nie ma muzyki</translation>
    </message>
</context>
<context>
    <name>EditAudioDialog</name>
    <message>
        <source>Edit Audio</source>
        <translation>Edytuj audio</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Audio clips</source>
        <translation>Klipy audio</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Czas trwania</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Punkt początkowy</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Punkt końcowy</translation>
    </message>
    <message>
        <source>Clip position and points</source>
        <translation>Pozycja klipu i punkty</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>Odtwórz fragment</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Set Start Point</source>
        <translation>Ustaw początek</translation>
    </message>
    <message>
        <source>Set End Point</source>
        <translation>Ustaw koniec</translation>
    </message>
    <message>
        <source>Position and duration</source>
        <translation>Pozycja i czas trwania</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Włącz dźwięk</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>Sound is not available: %1 The clips can still be ordered and trimmed, but not played.</source>
        <translation>Dźwięk jest niedostępny: %1 Klipy można nadal porządkować i przycinać, ale nie odtwarzać.</translation>
    </message>
    <message>
        <source>Select One or More Files</source>
        <translation>Wybierz jeden lub więcej plików</translation>
    </message>
    <message>
        <source>Some files have not been added to the list:
</source>
        <translation>Niektóre pliki nie zostały dodane do listy:
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
        <translation>Importuj zdjęcia</translation>
    </message>
    <message>
        <source>Import Photo Folder</source>
        <translation>Importuj folder zdjęć</translation>
    </message>
    <message>
        <source>Import Audio File(s)</source>
        <translation>Importuj pliki audio</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Obróć w lewo</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Obróć w prawo</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Odbij lustrzanie</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Odwróć</translation>
    </message>
    <message>
        <source>Auto Rotate</source>
        <translation>Obróć automatycznie</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Przesuń w lewo</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Przesuń w prawo</translation>
    </message>
    <message>
        <source>Previous (Left)</source>
        <translation>Poprzednie (W lewo)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Poprzednie</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>Odtwórz (Spacja)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>Wstrzymaj (Spacja)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Stop (Home)</source>
        <translation>Zatrzymaj (Home)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Next (Right)</source>
        <translation>Następne (W prawo)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Następne</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Włącz dźwięk</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Długość</translation>
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
        <translation>Ustawienia albumu</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Zdjęcie</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Przejście</translation>
    </message>
    <message>
        <source>Sync with Audio</source>
        <translation>Dopasuj do muzyki</translation>
    </message>
    <message>
        <source>Use Dynamic Effect</source>
        <translation>Panorama i zoom</translation>
    </message>
    <message>
        <source>Use Transition</source>
        <translation>Używaj przejść</translation>
    </message>
    <message>
        <source>Dissolve Only</source>
        <translation>Tylko przenikanie</translation>
    </message>
    <message>
        <source>Random Transition</source>
        <translation>Losowe przejścia</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Ustawienia audio</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Zapętl</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Edytuj audio</translation>
    </message>
    <message>
        <source>Scroll Strips</source>
        <translation>Przewijaj paski</translation>
    </message>
    <message>
        <source>Disc type</source>
        <translation>Typ płyty</translation>
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
        <translation>Utwórz DVD</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Nagraj</translation>
    </message>
    <message>
        <source>&amp;Import Photo(s)...</source>
        <translation>&amp;Importuj zdjęcia...</translation>
    </message>
    <message>
        <source>I&amp;mport Photo Folder...</source>
        <translation>I&amp;mportuj folder zdjęć...</translation>
    </message>
    <message>
        <source>Import &amp;Audio File(s)...</source>
        <translation>Importuj pliki &amp;audio...</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Nowy projekt</translation>
    </message>
    <message>
        <source>Open Project...</source>
        <translation>Otwórz projekt...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Zapisz projekt</translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation>Zapisz projekt jako...</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Właściwości</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Wy&amp;czyść</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Zaznacz &amp;wszystko</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Auto Rotate All Photos</source>
        <translation>Obróć automatycznie wszystkie zdjęcia</translation>
    </message>
    <message>
        <source>Auto Rotate Photos While Importing</source>
        <translation>Obracaj zdjęcia automatycznie podczas importu</translation>
    </message>
    <message>
        <source>&amp;Create DVD</source>
        <translation>&amp;Utwórz DVD</translation>
    </message>
    <message>
        <source>Do &amp;Nothing</source>
        <translation>&amp;Nic nie rób</translation>
    </message>
    <message>
        <source>&amp;Exit Program</source>
        <translation>Zakończ &amp;program</translation>
    </message>
    <message>
        <source>&amp;Hibernate</source>
        <translation>&amp;Hibernuj</translation>
    </message>
    <message>
        <source>&amp;Shut Down</source>
        <translation>&amp;Wyłącz komputer</translation>
    </message>
    <message>
        <source>Stand &amp;By</source>
        <translation>&amp;Uśpij</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencje...</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Rosnąco</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Malejąco</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Sortuj według</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Działania</translation>
    </message>
    <message>
        <source>Action &amp;After Making</source>
        <translation>Działanie &amp;po utworzeniu</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Pierwsze kroki</translation>
    </message>
    <message>
        <source>Select One or More Files</source>
        <translation>Wybierz jeden lub więcej plików</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Photo Duration</source>
        <translation>Czas zdjęcia</translation>
    </message>
    <message>
        <source>Transition Duration</source>
        <translation>Czas przejścia</translation>
    </message>
    <message>
        <source>Transition Type</source>
        <translation>Rodzaj przejścia</translation>
    </message>
    <message>
        <source>Loop Audio</source>
        <translation>Zapętl audio</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>Ostatnie projekty</translation>
    </message>
    <message>
        <source>Sound is not available (%1); the preview plays without sound.</source>
        <translation>Dźwięk jest niedostępny (%1); podgląd jest odtwarzany bez dźwięku.</translation>
    </message>
    <message>
        <source>DVD Settings</source>
        <translation>Ustawienia DVD</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Bez nazwy</translation>
    </message>
    <message>
        <source>Sorvel Projects (*.sorvel)</source>
        <translation>Projekty Sorvel (*.sorvel)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Wyczyść listę</translation>
    </message>
    <message>
        <source>The album &quot;%1&quot; has changes that are not saved.
Do you want to save them?</source>
        <translation>Album „%1” ma niezapisane zmiany.
Czy je zapisać?</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Otwórz projekt</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Otwieranie %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation>Zapisz projekt jako</translation>
    </message>
    <message>
        <source>Even out the loudness</source>
        <translation>Wyrównaj głośność</translation>
    </message>
    <message>
        <source>Fade in and out</source>
        <translation>Wejście i wyjście z wyciszenia</translation>
    </message>
    <message>
        <source>Fade length</source>
        <translation>Długość wyciszenia</translation>
    </message>
    <message>
        <source>Crossfade</source>
        <translation>Przenikanie dźwięku</translation>
    </message>
    <message>
        <source>Even Out the Loudness</source>
        <translation>Wyrównaj głośność</translation>
    </message>
    <message>
        <source>Fade In and Out</source>
        <translation>Wejście i wyjście z wyciszenia</translation>
    </message>
    <message>
        <source>Fade Length</source>
        <translation>Długość wyciszenia</translation>
    </message>
    <message>
        <source>Framing</source>
        <translation>Kadrowanie</translation>
    </message>
    <message>
        <source>Photos of another shape than the picture: whole with black bars, filling the picture (the edges cut off), or whole on a blurred copy of themselves</source>
        <translation>Zdjęcia o innym kształcie niż obraz: w całości z czarnymi pasami, wypełniające obraz (brzegi przycięte) lub w całości na rozmytej kopii samych siebie</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Dopasuj</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Wypełnij</translation>
    </message>
    <message>
        <source>Blurred Backdrop</source>
        <translation>Rozmyte tło</translation>
    </message>
    <message>
        <source>&amp;Export Video...</source>
        <translation>&amp;Eksportuj wideo...</translation>
    </message>
    <message>
        <source>Export the slideshow as an MP4 video file</source>
        <translation>Eksportuj pokaz slajdów jako plik wideo MP4</translation>
    </message>
    <message>
        <source>The preview is not available on this display (%1): it cannot show OpenGL. Everything else, making DVDs included, works.</source>
        <translation>Podgląd nie jest dostępny na tym ekranie (%1): nie może wyświetlić OpenGL. Wszystko inne, także tworzenie płyt DVD, działa.</translation>
    </message>
    <message>
        <source>Export Video</source>
        <translation>Eksportuj wideo</translation>
    </message>
    <message>
        <source>Relink Missing Files...</source>
        <translation>Połącz ponownie brakujące pliki...</translation>
    </message>
    <message>
        <source>the name is not valid text; rename the file</source>
        <translation>nazwa nie jest poprawnym tekstem; zmień nazwę pliku</translation>
    </message>
    <message>
        <source>Apply Caption Style to All</source>
        <translation>Zastosuj styl podpisu do wszystkich</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Podpis</translation>
    </message>
    <message>
        <source>Title Card</source>
        <translation>Plansza tytułowa</translation>
    </message>
    <message>
        <source>Add Title Card</source>
        <translation>Dodaj planszę tytułową</translation>
    </message>
    <message>
        <source>Caption...</source>
        <translation>Podpis...</translation>
    </message>
    <message>
        <source>Add Title Card...</source>
        <translation>Dodaj planszę tytułową...</translation>
    </message>
    <message>
        <source>Some values of the project are outside what the editor offers and have been changed; saving the project keeps the new values:</source>
        <translation>Niektóre wartości projektu wykraczają poza to, co oferuje edytor, i zostały zmienione; zapisanie projektu zachowa nowe wartości:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 już istnieje.
Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <source>The project cannot be saved to %1: %2.</source>
        <translation>Nie można zapisać projektu w %1: %2.</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nie można odczytać</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the project are missing or cannot be read. They keep their places in the album and are saved with it, but the preview and the DVD leave them out until they are found. Relink searches a folder (and the folders in it) for them by name.</source>
        <translation>
            <numerusform>Brakuje %n pliku projektu lub nie można go odczytać. Zachowuje swoje miejsce w albumie i jest z nim zapisywany, ale podgląd i DVD pomijają go, dopóki się nie znajdzie. Połącz ponownie szuka go po nazwie w folderze (i jego podfolderach).</numerusform>
            <numerusform>Brakuje %n plików projektu lub nie można ich odczytać. Zachowują swoje miejsca w albumie i są z nim zapisywane, ale podgląd i DVD pomijają je, dopóki się nie znajdą. Połącz ponownie szuka ich po nazwie w folderze (i jego podfolderach).</numerusform>
            <numerusform>Brakuje %n plików projektu lub nie można ich odczytać. Zachowują swoje miejsca w albumie i są z nim zapisywane, ale podgląd i DVD pomijają je, dopóki się nie znajdą. Połącz ponownie szuka ich po nazwie w folderze (i jego podfolderach).</numerusform>
        </translation>
    </message>
    <message>
        <source>Relink...</source>
        <translation>Połącz ponownie...</translation>
    </message>
    <message>
        <source>Relink: Search a Folder</source>
        <translation>Połącz ponownie: przeszukaj folder</translation>
    </message>
    <message>
        <source>Searching %1...</source>
        <translation>Przeszukiwanie %1...</translation>
    </message>
    <message>
        <source>Relink</source>
        <translation>Połącz ponownie</translation>
    </message>
    <message>
        <source>Relink Files</source>
        <translation>Połącz ponownie pliki</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) found again.</source>
        <translation>
            <numerusform>Odnaleziono %n plik.</numerusform>
            <numerusform>Odnaleziono %n pliki.</numerusform>
            <numerusform>Odnaleziono %n plików.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found again; %2 still missing:</source>
        <translation>Odnalezione: %1; nadal brakuje: %2:</translation>
    </message>
    <message>
        <source>An album that was never saved</source>
        <translation>Album, który nigdy nie został zapisany</translation>
    </message>
    <message>
        <source>The album &quot;%1&quot;</source>
        <translation>Album „%1”</translation>
    </message>
    <message numerus="yes">
        <source>%1 was not closed properly. Its unsaved changes were kept at %2 (%n photo(s)).
Do you want to recover them?</source>
        <translation>
            <numerusform>%1 nie został poprawnie zamknięty. Niezapisane zmiany zachowano w %2 (%n zdjęcie).
Czy chcesz je odzyskać?</numerusform>
            <numerusform>%1 nie został poprawnie zamknięty. Niezapisane zmiany zachowano w %2 (%n zdjęcia).
Czy chcesz je odzyskać?</numerusform>
            <numerusform>%1 nie został poprawnie zamknięty. Niezapisane zmiany zachowano w %2 (%n zdjęć).
Czy chcesz je odzyskać?</numerusform>
        </translation>
    </message>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>Odzyskaj niezapisaną pracę</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Odzyskaj</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Później</translation>
    </message>
</context>
<context>
    <name>ExportVideoDialog</name>
    <message>
        <source>Export Video</source>
        <translation>Eksportuj wideo</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Plik:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Prze&amp;glądaj...</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Rozmiar:</translation>
    </message>
    <message>
        <source>S&amp;hape:</source>
        <translation>&amp;Kształt:</translation>
    </message>
    <message>
        <source>Frame &amp;rate:</source>
        <translation>Liczba &amp;klatek:</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Jakość:</translation>
    </message>
    <message>
        <source>Estimated size:</source>
        <translation>Szacowany rozmiar:</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Eksportuj</translation>
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
        <translation>16:9 (panoramiczny)</translation>
    </message>
    <message>
        <source>4:3</source>
        <translation>4:3</translation>
    </message>
    <message>
        <source>9:16 (upright, for phones)</source>
        <translation>9:16 (pionowy, dla telefonów)</translation>
    </message>
    <message>
        <source>1:1 (square)</source>
        <translation>1:1 (kwadrat)</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Wysoka</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalna</translation>
    </message>
    <message>
        <source>Small file</source>
        <translation>Mały plik</translation>
    </message>
    <message>
        <source>%1 (CRF %2)</source>
        <translation>%1 (CRF %2)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Kształt</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Liczba klatek</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Jakość</translation>
    </message>
    <message>
        <source>Estimated size</source>
        <translation>Szacowany rozmiar</translation>
    </message>
    <message>
        <source>Where the video goes (.mp4)</source>
        <translation>Gdzie zapisać wideo (.mp4)</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Pokaz slajdów</translation>
    </message>
    <message>
        <source>About %1 GB</source>
        <translation>Około %1 GB</translation>
    </message>
    <message>
        <source>About %1 MB</source>
        <translation>Około %1 MB</translation>
    </message>
    <message>
        <source>%1 (%2 x %3 pixels)</source>
        <translation>%1 (%2 x %3 pikseli)</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Wideo MP4 (*.mp4)</translation>
    </message>
</context>
<context>
    <name>FileCheck</name>
    <message>
        <source>missing</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>nie można odczytać: %1</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>potok nazwany (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>gniazdo</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>urządzenie</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Import Progress</source>
        <translation>Postęp importu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>Importowanie %1...</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Some files have not been added to the list:</source>
        <translation>Niektóre pliki nie zostały dodane do listy:</translation>
    </message>
</context>
<context>
    <name>MainWindowBase</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>Read Me</source>
        <translation>Przeczytaj</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>%1 %2
Turns photos and music into DVD-Video slideshows.</source>
        <translation>%1 %2
Zamienia zdjęcia i muzykę w pokazy slajdów DVD-Video.</translation>
    </message>
</context>
<context>
    <name>MakeDvd</name>
    <message numerus="yes">
        <source>%n photo(s)</source>
        <translation>
            <numerusform>%n zdjęcie</numerusform>
            <numerusform>%n zdjęcia</numerusform>
            <numerusform>%n zdjęć</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n audio clip(s)</source>
        <translation>
            <numerusform>%n klip audio</numerusform>
            <numerusform>%n klipy audio</numerusform>
            <numerusform>%n klipów audio</numerusform>
        </translation>
    </message>
    <message>
        <source>Burning the next copy...</source>
        <translation>Nagrywanie kolejnej kopii...</translation>
    </message>
    <message>
        <source>Done in %1.</source>
        <translation>Gotowe w %1.</translation>
    </message>
    <message>
        <source>(answer with --yes to go on)</source>
        <translation>(odpowiedz --yes, aby kontynuować)</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Przerwano.</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>niepowodzenie</translation>
    </message>
    <message>
        <source>Details: %1</source>
        <translation>Szczegóły: %1</translation>
    </message>
    <message>
        <source>Aborting...</source>
        <translation>Przerywanie...</translation>
    </message>
    <message>
        <source>Opening the project %1...</source>
        <translation>Otwieranie projektu %1...</translation>
    </message>
    <message>
        <source>the project has no photo to make a slideshow from</source>
        <translation>projekt nie zawiera zdjęć do pokazu slajdów</translation>
    </message>
    <message>
        <source>Sync with audio: the music gives less than 1 s or more than 999 s a photo; the photo duration stays %1 ms.</source>
        <translation>Dopasuj do muzyki: muzyka daje mniej niż 1 s lub więcej niż 999 s na zdjęcie; czas zdjęcia pozostaje %1 ms.</translation>
    </message>
    <message>
        <source>Importing %1 and %2...</source>
        <translation>Importowanie: %1 i %2...</translation>
    </message>
    <message numerus="yes">
        <source>%n audio file(s)</source>
        <translation>
            <numerusform>%n plik audio</numerusform>
            <numerusform>%n pliki audio</numerusform>
            <numerusform>%n plików audio</numerusform>
        </translation>
    </message>
    <message>
        <source>Some files have not been added to the list:</source>
        <translation>Niektóre pliki nie zostały dodane do listy:</translation>
    </message>
    <message>
        <source>no photo to make a slideshow from</source>
        <translation>brak zdjęć do pokazu slajdów</translation>
    </message>
    <message>
        <source>Output (exactly one is required):</source>
        <translation>Wyjście (wymagane dokładnie jedno):</translation>
    </message>
    <message>
        <source>write the DVD folder into DIR/&lt;volume label&gt;</source>
        <translation>zapisz folder DVD w DIR/&lt;etykieta woluminu&gt;</translation>
    </message>
    <message>
        <source>write an ISO image (&quot;.iso&quot; is appended if missing)</source>
        <translation>zapisz obraz ISO („.iso” zostanie dodane, jeśli brakuje)</translation>
    </message>
    <message>
        <source>burn to a recorder (/dev/sr0, or stdio:/path/disc.img)</source>
        <translation>nagraj na nagrywarce (/dev/sr0 lub stdio:/ścieżka/płyta.img)</translation>
    </message>
    <message>
        <source>DVD:</source>
        <translation>DVD:</translation>
    </message>
    <message>
        <source>disc label (default &quot;My DVD&quot;)</source>
        <translation>etykieta płyty (domyślnie „My DVD”)</translation>
    </message>
    <message>
        <source>TV standard (default: from the settings or the locale)</source>
        <translation>standard TV (domyślnie: z ustawień lub z ustawień regionalnych)</translation>
    </message>
    <message>
        <source>high (up to 9 Mbit/s), normal (5), low (2) or a rate 2..9: the most the video may take; stills take less</source>
        <translation>high (do 9 Mb/s), normal (5), low (2) lub wartość 2..9: najwięcej, ile może zająć wideo; nieruchome zdjęcia zajmują mniej</translation>
    </message>
    <message>
        <source>AC-3 bit rate, 128..448 (default 192)</source>
        <translation>przepływność AC-3, 128..448 (domyślnie 192)</translation>
    </message>
    <message>
        <source>audio channels (default 2)</source>
        <translation>kanały audio (domyślnie 2)</translation>
    </message>
    <message>
        <source>when the show ends, play it again (default) or stop</source>
        <translation>po zakończeniu pokazu odtwórz go ponownie (domyślnie) lub zatrzymaj</translation>
    </message>
    <message>
        <source>Slideshow:</source>
        <translation>Pokaz slajdów:</translation>
    </message>
    <message>
        <source>time each photo is shown, 1000..999000 (default 5000)</source>
        <translation>czas wyświetlania każdego zdjęcia, 1000..999000 (domyślnie 5000)</translation>
    </message>
    <message>
        <source>time of each transition, 500..5000 (default 1500); both durations are snapped to whole video frames</source>
        <translation>czas każdego przejścia, 500..5000 (domyślnie 1500); oba czasy są zaokrąglane do pełnych klatek wideo</translation>
    </message>
    <message>
        <source>cut from photo to photo</source>
        <translation>cięcie bez przejścia między zdjęciami</translation>
    </message>
    <message>
        <source>dissolves instead of pattern wipes</source>
        <translation>przenikanie zamiast przejść wzorzystych</translation>
    </message>
    <message>
        <source>no pan-and-zoom</source>
        <translation>bez panoramy i zoomu</translation>
    </message>
    <message>
        <source>restart the music when it ends before the photos</source>
        <translation>uruchom muzykę od nowa, gdy skończy się przed zdjęciami</translation>
    </message>
    <message>
        <source>fit the photo time to the length of the music</source>
        <translation>dopasuj czas zdjęć do długości muzyki</translation>
    </message>
    <message>
        <source>ignore the photos&apos; EXIF orientation</source>
        <translation>pomiń orientację EXIF zdjęć</translation>
    </message>
    <message>
        <source>Run:</source>
        <translation>Uruchomienie:</translation>
    </message>
    <message>
        <source>working folder (default: the TemporaryDir setting); each run works in its own new subfolder of it</source>
        <translation>folder roboczy (domyślnie: ustawienie TemporaryDir); każde uruchomienie pracuje we własnym nowym podfolderze</translation>
    </message>
    <message>
        <source>keep the run&apos;s working subfolder</source>
        <translation>zachowaj roboczy podfolder uruchomienia</translation>
    </message>
    <message>
        <source>discs to burn with --to-drive (default 1)</source>
        <translation>liczba płyt do nagrania z --to-drive (domyślnie 1)</translation>
    </message>
    <message>
        <source>burn speed, &quot;Max&quot; or e.g. 8X (default Max)</source>
        <translation>prędkość nagrywania, „Max” lub np. 8X (domyślnie Max)</translation>
    </message>
    <message>
        <source>answer Yes to questions (overwrite, clear, non-blank disc); without it a question ends the run with exit code 1</source>
        <translation>odpowiadaj Tak na pytania (zastąpienie, wyczyszczenie, niepusta płyta); bez tej opcji pytanie kończy uruchomienie kodem wyjścia 1</translation>
    </message>
    <message>
        <source>print only errors and the result</source>
        <translation>wypisuj tylko błędy i wynik</translation>
    </message>
    <message>
        <source>print the diagnostic messages of the program and of the libraries it uses (FFmpeg, Qt) too; they always go to the diagnostic log, make-dvd.log in the cache folder</source>
        <translation>wypisuj też komunikaty diagnostyczne programu i używanych bibliotek (FFmpeg, Qt); zawsze trafiają do dziennika diagnostycznego make-dvd.log w folderze pamięci podręcznej</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>pokaż tę pomoc</translation>
    </message>
    <message>
        <source>Usage: sorvel make-dvd [OPTIONS] PATH...
       sorvel make-dvd [OPTIONS] PROJECT.sorvel
</source>
        <translation>Użycie: sorvel make-dvd [OPCJE] ŚCIEŻKA...
        sorvel make-dvd [OPCJE] PROJEKT.sorvel
</translation>
    </message>
    <message>
        <source>Makes a DVD-Video slideshow from photos and music without opening a window.</source>
        <translation>Tworzy pokaz slajdów DVD-Video ze zdjęć i muzyki bez otwierania okna.</translation>
    </message>
    <message>
        <source>PATH: photo files, audio files or folders. A folder adds its photos and audio files (one level, in name order). Photos and clips keep the order given.</source>
        <translation>ŚCIEŻKA: pliki zdjęć, pliki audio lub foldery. Folder dodaje swoje zdjęcia i pliki audio (jeden poziom, według nazw). Zdjęcia i klipy zachowują podaną kolejność.</translation>
    </message>
    <message>
        <source>PROJECT.sorvel: a saved project with its photos, clips, settings and DVD choices; the options given here override the project&apos;s.</source>
        <translation>PROJEKT.sorvel: zapisany projekt ze zdjęciami, klipami, ustawieniami i wyborami DVD; podane tu opcje mają pierwszeństwo przed opcjami projektu.</translation>
    </message>
    <message>
        <source>Exit codes: 0 the output is complete, 1 failure, 2 usage error.</source>
        <translation>Kody wyjścia: 0 wynik jest kompletny, 1 niepowodzenie, 2 błąd użycia.</translation>
    </message>
    <message>
        <source>Ctrl-C aborts cleanly: child programs end and the working subfolder is removed.</source>
        <translation>Ctrl-C przerywa czysto: programy pomocnicze kończą się, a roboczy podfolder jest usuwany.</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>opcja %1 wymaga wartości</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>opcja %1 nie przyjmuje wartości</translation>
    </message>
    <message>
        <source>option %1 needs a non-empty value</source>
        <translation>opcja %1 wymaga niepustej wartości</translation>
    </message>
    <message>
        <source>--standard must be PAL or NTSC</source>
        <translation>--standard musi mieć wartość PAL lub NTSC</translation>
    </message>
    <message>
        <source>--quality must be high, normal, low or a number from 2 to 9</source>
        <translation>--quality musi mieć wartość high, normal, low lub liczbę od 2 do 9</translation>
    </message>
    <message>
        <source>--audio-bitrate must be a number from 128 to 448</source>
        <translation>--audio-bitrate musi być liczbą od 128 do 448</translation>
    </message>
    <message>
        <source>--channels must be 1, 2 or 6</source>
        <translation>--channels musi mieć wartość 1, 2 lub 6</translation>
    </message>
    <message>
        <source>--at-end must be repeat or stop</source>
        <translation>--at-end musi mieć wartość repeat lub stop</translation>
    </message>
    <message>
        <source>%1 must be a number of milliseconds from %2 to %3</source>
        <translation>%1 musi być liczbą milisekund od %2 do %3</translation>
    </message>
    <message>
        <source>--copies must be a number from 1 to 99</source>
        <translation>--copies musi być liczbą od 1 do 99</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>one output is required: --to-folder, --to-iso or --to-drive</source>
        <translation>wymagane jest jedno wyjście: --to-folder, --to-iso lub --to-drive</translation>
    </message>
    <message>
        <source>give only one of --to-folder, --to-iso and --to-drive</source>
        <translation>podaj tylko jedną z opcji --to-folder, --to-iso i --to-drive</translation>
    </message>
    <message>
        <source>no photos or folders given</source>
        <translation>nie podano zdjęć ani folderów</translation>
    </message>
    <message>
        <source>--copies is only for --to-drive</source>
        <translation>--copies działa tylko z --to-drive</translation>
    </message>
    <message>
        <source>Not photos or audio by their names, not taken from the folders:</source>
        <translation>Według nazw ani zdjęcia, ani audio; nie pobrano z folderów:</translation>
    </message>
    <message>
        <source>bring every clip to one loudness (-16 LUFS; the default) or play the clips at their own levels</source>
        <translation>doprowadź każdy klip do jednej głośności (-16 LUFS; domyślnie) lub odtwarzaj klipy z ich własnym poziomem</translation>
    </message>
    <message>
        <source>fade the music in at its start and out at the end of the show, 500..10000 ms (0: no fade, the default)</source>
        <translation>płynnie wprowadź muzykę na początku i wycisz na końcu pokazu, 500..10000 ms (0: bez wyciszenia, domyślnie)</translation>
    </message>
    <message>
        <source>overlap consecutive clips, 0..10000 ms (default 0)</source>
        <translation>nakładaj kolejne klipy, 0..10000 ms (domyślnie 0)</translation>
    </message>
    <message>
        <source>--loudness must be even or keep</source>
        <translation>--loudness musi mieć wartość even lub keep</translation>
    </message>
    <message>
        <source>--fade must be 0 or a number of milliseconds from %1 to %2</source>
        <translation>--fade musi mieć wartość 0 lub liczbę milisekund od %1 do %2</translation>
    </message>
    <message>
        <source>--crossfade must be a number of milliseconds from 0 to %1</source>
        <translation>--crossfade musi być liczbą milisekund od 0 do %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 s of video, %4 x %5 (%6) at %7 frames/s, H.264 CRF %8</source>
        <translation>%1, %2, %3 s wideo, %4 x %5 (%6) przy %7 klatkach/s, H.264 CRF %8</translation>
    </message>
    <message>
        <source>%1, %2, %3 s of video, %4 %5, up to %6 Mbit/s</source>
        <translation>%1, %2, %3 s wideo, %4 %5, do %6 Mbit/s</translation>
    </message>
    <message>
        <source>Some files of the project are missing or cannot be read:</source>
        <translation>Niektórych plików projektu brakuje lub nie można ich odczytać:</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the project are missing; give --yes to make the DVD without them</source>
        <translation>
            <numerusform>Brakuje %n pliku projektu; podaj --yes, aby utworzyć DVD bez niego</numerusform>
            <numerusform>Brakuje %n plików projektu; podaj --yes, aby utworzyć DVD bez nich</numerusform>
            <numerusform>Brakuje %n plików projektu; podaj --yes, aby utworzyć DVD bez nich</numerusform>
        </translation>
    </message>
    <message>
        <source>Making the DVD without them</source>
        <translation>Tworzenie DVD bez nich</translation>
    </message>
    <message>
        <source>photos of another shape than the picture: whole with black bars (default), filling it (the centre kept), or whole on a blurred, darkened copy of themselves</source>
        <translation>zdjęcia o innym kształcie niż obraz: w całości z czarnymi pasami (domyślnie), wypełniające go (środek zachowany) lub w całości na rozmytej, przyciemnionej kopii samych siebie</translation>
    </message>
    <message>
        <source>the picture&apos;s shape: widescreen (default) or 4:3; a 4:3 television shows 16:9 letterboxed</source>
        <translation>kształt obrazu: panoramiczny (domyślnie) lub 4:3; telewizor 4:3 pokazuje 16:9 z pasami</translation>
    </message>
    <message>
        <source>a chapter at every photo (default), so a remote&apos;s Next and Previous step through them, or none</source>
        <translation>rozdział przy każdym zdjęciu (domyślnie), aby Dalej i Wstecz pilota przechodziły między nimi, lub brak</translation>
    </message>
    <message>
        <source>the disc opens on a menu with Play and an index of the photos (default; with chapters at the photos), or starts the show at once</source>
        <translation>płyta otwiera się menu z Odtwórz i spisem zdjęć (domyślnie; z rozdziałami przy zdjęciach) lub od razu zaczyna pokaz</translation>
    </message>
    <message>
        <source>Output (required):</source>
        <translation>Wyjście (wymagane):</translation>
    </message>
    <message>
        <source>the video file (&quot;.mp4&quot; is appended if missing)</source>
        <translation>plik wideo („.mp4” jest dopisywane, jeśli brak)</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>Wideo:</translation>
    </message>
    <message>
        <source>the picture&apos;s short side (default 1080p)</source>
        <translation>krótszy bok obrazu (domyślnie 1080p)</translation>
    </message>
    <message>
        <source>the picture&apos;s shape; 9:16 stands upright for phones (default 16:9)</source>
        <translation>kształt obrazu; 9:16 stoi pionowo dla telefonów (domyślnie 16:9)</translation>
    </message>
    <message>
        <source>frames a second (default 30)</source>
        <translation>klatki na sekundę (domyślnie 30)</translation>
    </message>
    <message>
        <source>high (CRF 18), normal (CRF 21, default) or small (CRF 26): lower CRF is sharper and larger</source>
        <translation>high (CRF 18), normal (CRF 21, domyślnie) lub small (CRF 26): niższy CRF jest ostrzejszy i większy</translation>
    </message>
    <message>
        <source>overwrite an existing file; without it an existing file ends the run with exit code 1</source>
        <translation>nadpisz istniejący plik; bez tego istniejący plik kończy przebieg z kodem wyjścia 1</translation>
    </message>
    <message>
        <source>print the diagnostic messages of the program and of the libraries it uses (FFmpeg, Qt) too; they always go to the diagnostic log, make-video.log in the cache folder</source>
        <translation>wypisuj też komunikaty diagnostyczne programu i używanych bibliotek (FFmpeg, Qt); zawsze trafiają do dziennika diagnostycznego make-video.log w folderze pamięci podręcznej</translation>
    </message>
    <message>
        <source>Usage: sorvel make-video [OPTIONS] --to FILE.mp4 PATH...
       sorvel make-video [OPTIONS] --to FILE.mp4 PROJECT.sorvel
</source>
        <translation>Użycie: sorvel make-video [OPCJE] --to PLIK.mp4 ŚCIEŻKA...
        sorvel make-video [OPCJE] --to PLIK.mp4 PROJEKT.sorvel
</translation>
    </message>
    <message>
        <source>Makes an MP4 video file (H.264 and AAC, a chapter at every photo) of a slideshow from photos and music without opening a window.</source>
        <translation>Tworzy plik wideo MP4 (H.264 i AAC, rozdział przy każdym zdjęciu) z pokazem slajdów ze zdjęć i muzyki bez otwierania okna.</translation>
    </message>
    <message>
        <source>PROJECT.sorvel: a saved project with its photos, clips, settings and video choices; the options given here override the project&apos;s.</source>
        <translation>PROJEKT.sorvel: zapisany projekt z jego zdjęciami, klipami, ustawieniami i wyborami wideo; podane tu opcje mają pierwszeństwo przed ustawieniami projektu.</translation>
    </message>
    <message>
        <source>Ctrl-C aborts cleanly: nothing of the file is left.</source>
        <translation>Ctrl-C przerywa czysto: z pliku nic nie zostaje.</translation>
    </message>
    <message>
        <source>option %1 is for make-dvd</source>
        <translation>opcja %1 jest dla make-dvd</translation>
    </message>
    <message>
        <source>option %1 is for make-video</source>
        <translation>opcja %1 jest dla make-video</translation>
    </message>
    <message>
        <source>option --to needs a non-empty value</source>
        <translation>opcja --to wymaga niepustej wartości</translation>
    </message>
    <message>
        <source>--size must be 720p, 1080p or 2160p</source>
        <translation>--size musi być 720p, 1080p lub 2160p</translation>
    </message>
    <message>
        <source>--shape must be 16:9, 4:3, 9:16 or 1:1</source>
        <translation>--shape musi być 16:9, 4:3, 9:16 lub 1:1</translation>
    </message>
    <message>
        <source>--fps must be 25, 30, 50 or 60</source>
        <translation>--fps musi być 25, 30, 50 lub 60</translation>
    </message>
    <message>
        <source>--quality must be high, normal or small</source>
        <translation>--quality musi być high, normal lub small</translation>
    </message>
    <message>
        <source>--aspect must be 16:9 or 4:3</source>
        <translation>--aspect musi być 16:9 lub 4:3</translation>
    </message>
    <message>
        <source>--chapters must be photo or none</source>
        <translation>--chapters musi być photo lub none</translation>
    </message>
    <message>
        <source>--framing must be fit, fill or blur</source>
        <translation>--framing musi być fit, fill lub blur</translation>
    </message>
    <message>
        <source>the output is required: --to FILE.mp4</source>
        <translation>wyjście jest wymagane: --to PLIK.mp4</translation>
    </message>
    <message>
        <source>give --to only once</source>
        <translation>podaj --to tylko raz</translation>
    </message>
    <message>
        <source>neither a picture nor a sound file</source>
        <translation>ani obraz, ani plik dźwiękowy</translation>
    </message>
    <message>
        <source>the folder cannot be read</source>
        <translation>nie można odczytać folderu</translation>
    </message>
    <message>
        <source>the name is not valid text; rename the file</source>
        <translation>nazwa nie jest poprawnym tekstem; zmień nazwę pliku</translation>
    </message>
    <message>
        <source>--menu-background: %1 is not a photo of the show</source>
        <translation>--menu-background: %1 nie jest zdjęciem pokazu</translation>
    </message>
    <message>
        <source>the words on the menu&apos;s main page, any text (default: the volume label)</source>
        <translation>tekst na stronie głównej menu, dowolny (domyślnie: etykieta woluminu)</translation>
    </message>
    <message>
        <source>the photo of the show behind the menu (default: the first photo)</source>
        <translation>zdjęcie pokazu za menu (domyślnie: pierwsze zdjęcie)</translation>
    </message>
    <message>
        <source>the first music clip plays under the menu, faded, again and again (default when there is music), or the menu is silent</source>
        <translation>pierwszy klip audio gra pod menu, z wyciszeniem na początku i końcu, w kółko (domyślnie, gdy jest muzyka), albo menu jest ciche</translation>
    </message>
</context>
<context>
    <name>MakeJob</name>
    <message>
        <source>Checking the destination...</source>
        <translation>Sprawdzanie miejsca docelowego...</translation>
    </message>
    <message>
        <source>Creating video...</source>
        <translation>Tworzenie wideo...</translation>
    </message>
    <message>
        <source>Creating menu...</source>
        <translation>Tworzenie menu...</translation>
    </message>
    <message>
        <source>Creating DVD...</source>
        <translation>Tworzenie DVD...</translation>
    </message>
    <message>
        <source>Creating DVD Folder</source>
        <translation>Tworzenie folderu DVD</translation>
    </message>
    <message>
        <source>Creating ISO</source>
        <translation>Tworzenie obrazu ISO</translation>
    </message>
    <message>
        <source>Checking disc</source>
        <translation>Sprawdzanie płyty</translation>
    </message>
    <message>
        <source>Erasing</source>
        <translation>Kasowanie</translation>
    </message>
    <message>
        <source>Burning disc</source>
        <translation>Nagrywanie płyty</translation>
    </message>
    <message>
        <source>Finalizing disc</source>
        <translation>Finalizowanie płyty</translation>
    </message>
    <message>
        <source>The temporary folder %1 does not exist and cannot be created.</source>
        <translation>Folder tymczasowy %1 nie istnieje i nie można go utworzyć.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1: %2</source>
        <translation>Nie można utworzyć folderu roboczego w %1: %2</translation>
    </message>
    <message>
        <source>The album has no photos.</source>
        <translation>Album nie zawiera zdjęć.</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Przerwano</translation>
    </message>
    <message>
        <source>Disc checking stopped</source>
        <translation>Sprawdzanie płyty zatrzymane</translation>
    </message>
    <message>
        <source>the folder cannot be marked as in use</source>
        <translation>nie można oznaczyć folderu jako używanego</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>The show needs about %1, more than the largest DVD holds (%2 on a double-layer disc).</source>
        <translation>Pokaz wymaga około %1, więcej niż mieści największa płyta DVD (%2 na płycie dwuwarstwowej).</translation>
    </message>
    <message>
        <source>No DVD can hold the image. Make it anyway?</source>
        <translation>Żadna płyta DVD nie pomieści obrazu. Utworzyć mimo to?</translation>
    </message>
    <message>
        <source>Choose a lower quality, or make the show shorter (fewer photos or a shorter time for each).</source>
        <translation>Wybierz niższą jakość lub skróć pokaz (mniej zdjęć lub krótszy czas każdego).</translation>
    </message>
    <message>
        <source>Please choose the video file.</source>
        <translation>Wybierz plik wideo.</translation>
    </message>
    <message>
        <source>%1 is a folder; please choose a file name.</source>
        <translation>%1 jest folderem; wybierz nazwę pliku.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Folder %1 nie istnieje.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1.</source>
        <translation>Nie można zapisywać w folderze %1.</translation>
    </message>
    <message>
        <source>Cannot write to %1.</source>
        <translation>Nie można zapisać %1.</translation>
    </message>
    <message>
        <source>The file system of %1 does not support files larger than 4 GB; please choose another place.</source>
        <translation>System plików %1 nie obsługuje plików większych niż 4 GB; wybierz inne miejsce.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; will be overwritten. Do you want to continue?</source>
        <translation>Plik „%1” zostanie nadpisany. Czy chcesz kontynuować?</translation>
    </message>
    <message>
        <source>Not enough space available on %1: the video needs about %2 MB.</source>
        <translation>Za mało miejsca na %1: wideo potrzebuje około %2 MB.</translation>
    </message>
</context>
<context>
    <name>MediaInfoWidget</name>
    <message>
        <source>Properties</source>
        <translation>Właściwości</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nazwa pliku:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Rozdzielczość:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Rozmiar:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Zmodyfikowano:</translation>
    </message>
    <message>
        <source>Equipment Make:</source>
        <translation>Producent:</translation>
    </message>
    <message>
        <source>Camera Model:</source>
        <translation>Model aparatu:</translation>
    </message>
    <message>
        <source>Software:</source>
        <translation>Oprogramowanie:</translation>
    </message>
    <message>
        <source>Compressed Bit-Per-Pixel:</source>
        <translation>Skompresowane bity na piksel:</translation>
    </message>
    <message>
        <source>Exposure Time:</source>
        <translation>Czas naświetlania:</translation>
    </message>
    <message>
        <source>F-Number:</source>
        <translation>Liczba przysłony:</translation>
    </message>
    <message>
        <source>Exposure Mode:</source>
        <translation>Tryb ekspozycji:</translation>
    </message>
    <message>
        <source>Exposure Bias:</source>
        <translation>Korekcja ekspozycji:</translation>
    </message>
    <message>
        <source>Max Aperture:</source>
        <translation>Maks. przysłona:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanały:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Częstotliwość próbkowania:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Czas trwania:</translation>
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
        <translation>Pliki JPEG</translation>
    </message>
    <message>
        <source>HEIF Files</source>
        <translation>Pliki HEIF</translation>
    </message>
    <message>
        <source>AVIF Files</source>
        <translation>Pliki AVIF</translation>
    </message>
    <message>
        <source>WebP Files</source>
        <translation>Pliki WebP</translation>
    </message>
    <message>
        <source>PNG Files</source>
        <translation>Pliki PNG</translation>
    </message>
    <message>
        <source>TIFF Files</source>
        <translation>Pliki TIFF</translation>
    </message>
    <message>
        <source>BMP Files</source>
        <translation>Pliki BMP</translation>
    </message>
    <message>
        <source>GIF Files</source>
        <translation>Pliki GIF</translation>
    </message>
    <message>
        <source>XBM Files</source>
        <translation>Pliki XBM</translation>
    </message>
    <message>
        <source>XPM Files</source>
        <translation>Pliki XPM</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>Pliki MP3</translation>
    </message>
    <message>
        <source>AAC and M4A Files</source>
        <translation>Pliki AAC i M4A</translation>
    </message>
    <message>
        <source>Ogg Files</source>
        <translation>Pliki Ogg</translation>
    </message>
    <message>
        <source>FLAC Files</source>
        <translation>Pliki FLAC</translation>
    </message>
    <message>
        <source>WAV Files</source>
        <translation>Pliki WAV</translation>
    </message>
    <message>
        <source>WebM and Matroska Files</source>
        <translation>Pliki WebM i Matroska</translation>
    </message>
    <message>
        <source>AIFF Files</source>
        <translation>Pliki AIFF</translation>
    </message>
    <message>
        <source>AC3 Files</source>
        <translation>Pliki AC3</translation>
    </message>
    <message>
        <source>WMA Files</source>
        <translation>Pliki WMA</translation>
    </message>
    <message>
        <source>Other Audio Files</source>
        <translation>Inne pliki audio</translation>
    </message>
</context>
<context>
    <name>PhotoListWidget</name>
    <message>
        <source>Photos</source>
        <translation>Zdjęcia</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Odbij lustrzanie</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Odwróć</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Obróć w lewo</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Obróć w prawo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Dimension</source>
        <translation>Wymiary</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Głębia</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Przejście</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Auto Rotate</source>
        <translation>Obróć automatycznie</translation>
    </message>
    <message>
        <source>Auto Rotate All Photos</source>
        <translation>Obróć automatycznie wszystkie zdjęcia</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Przesuń w lewo</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Przesuń w prawo</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortuj</translation>
    </message>
    <message>
        <source>Drag Photo(s) Here</source>
        <translation>Przeciągnij tutaj zdjęcia</translation>
    </message>
    <message>
        <source>Import Photos</source>
        <translation>Importuj zdjęcia</translation>
    </message>
    <message>
        <source>Copy Photos</source>
        <translation>Kopiuj zdjęcia</translation>
    </message>
    <message>
        <source>Move Photos</source>
        <translation>Przenieś zdjęcia</translation>
    </message>
    <message>
        <source>%1 Bits</source>
        <comment>colour depth</comment>
        <translation>%1 bitów</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Left out of the preview and the DVD until it is found (Relink...).</source>
        <translation>Pomijane w podglądzie i na DVD, dopóki się nie znajdzie (Połącz ponownie...).</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (brak)</translation>
    </message>
    <message>
        <source>Title card</source>
        <translation>Plansza tytułowa</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Title card: %1</source>
        <translation>Plansza tytułowa: %1</translation>
    </message>
    <message>
        <source>%1, caption: %2</source>
        <translation>%1, podpis: %2</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencje</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Temporary Folder</source>
        <translation>Folder tymczasowy</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Przeglądaj...</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Button: opens the temporary folder in the file manager</extracomment>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Delete temporary files after burning</source>
        <translation>Usuwaj pliki tymczasowe po nagraniu</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>The language changes the next time Sorvel starts.</source>
        <translation>Język zmieni się przy następnym uruchomieniu Sorvel.</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>Burn</source>
        <extracomment>Tab title: the settings used while making and burning a DVD</extracomment>
        <translation>Nagraj</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Group title: the processor cores used for making</extracomment>
        <translation>Procesor</translation>
    </message>
    <message>
        <source>Setting the CPU core number for DVD making will affect the speed and the amount of system resources required.</source>
        <translation>Liczba rdzeni użytych do tworzenia DVD wpływa na szybkość i na potrzebne zasoby systemu.</translation>
    </message>
    <message>
        <source>Use all cores (offers the highest making speed)</source>
        <translation>Używaj wszystkich rdzeni (najszybsze tworzenie)</translation>
    </message>
    <message>
        <source>Use the least number of cores (requires the least amount of resources)</source>
        <translation>Używaj jak najmniej rdzeni (najmniej zasobów)</translation>
    </message>
    <message>
        <source>Set Core Number:</source>
        <translation>Liczba rdzeni:</translation>
    </message>
    <message>
        <source>Action After Making</source>
        <translation>Działanie po utworzeniu</translation>
    </message>
    <message>
        <source>Action After Making:</source>
        <translation>Działanie po utworzeniu:</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Nic nie rób</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Zakończ program</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Wyłącz komputer</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernuj</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>Uśpij</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Domyślny systemu</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Failed to open folder &quot;%1&quot;.</source>
        <translation>Nie można otworzyć folderu „%1”.</translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation>Wybrana ścieżka jest nieprawidłowa, wybierz inną.</translation>
    </message>
    <message>
        <source>The selected folder is read-only, please select other folder.</source>
        <translation>Wybrany folder jest tylko do odczytu, wybierz inny folder.</translation>
    </message>
</context>
<context>
    <name>PreviewPlayer</name>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>The sound card cannot play %1 channels.</source>
        <translation>Karta dźwiękowa nie może odtworzyć %1 kanałów.</translation>
    </message>
    <message>
        <source>The sound device is no longer available.</source>
        <translation>Urządzenie dźwiękowe nie jest już dostępne.</translation>
    </message>
</context>
<context>
    <name>Probe</name>
    <message>
        <source>not a picture</source>
        <translation>nie jest obrazem</translation>
    </message>
    <message>
        <source>too large (%1 x %2 pixels)</source>
        <translation>za duży (%1 x %2 pikseli)</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>ucięty</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>uszkodzony: %1</translation>
    </message>
    <message>
        <source>not a sound file</source>
        <translation>nie jest plikiem dźwiękowym</translation>
    </message>
    <message>
        <source>has no sound the program can play</source>
        <translation>nie ma dźwięku, który program może odtworzyć</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>uszkodzony</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Creating DVD…</source>
        <translation>Tworzenie DVD…</translation>
    </message>
    <message>
        <source>Elapsed Time: 00:00:00</source>
        <translation>Upłynęło: 00:00:00</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Nic nie rób</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Zakończ program</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Wyłącz komputer</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernuj</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>Uśpij</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Burn Next</source>
        <translation>Nagraj kolejną</translation>
    </message>
    <message>
        <source>Finished</source>
        <extracomment>Button that closes the progress window (a verb where the language needs one)</extracomment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Abort or not?</source>
        <translation>Przerwać?</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>oczekuje</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>w toku</translation>
    </message>
    <message>
        <source>done</source>
        <translation>gotowe</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>niepowodzenie</translation>
    </message>
    <message>
        <source>Creating title</source>
        <translation>Tworzenie tytułu</translation>
    </message>
    <message>
        <source>Creating menu</source>
        <translation>Tworzenie menu</translation>
    </message>
    <message>
        <source>Creating DVD</source>
        <translation>Tworzenie DVD</translation>
    </message>
    <message>
        <source>Creating DVD Folder</source>
        <translation>Tworzenie folderu DVD</translation>
    </message>
    <message>
        <source>Creating ISO</source>
        <translation>Tworzenie obrazu ISO</translation>
    </message>
    <message>
        <source>Checking disc</source>
        <translation>Sprawdzanie płyty</translation>
    </message>
    <message>
        <source>Burning disc</source>
        <translation>Nagrywanie płyty</translation>
    </message>
    <message>
        <source>Creating DVD...</source>
        <translation>Tworzenie DVD...</translation>
    </message>
    <message>
        <source>Checking the destination...</source>
        <translation>Sprawdzanie miejsca docelowego...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Przerwij</translation>
    </message>
    <message>
        <source>Creating video...</source>
        <translation>Tworzenie wideo...</translation>
    </message>
    <message>
        <source>Creating menu...</source>
        <translation>Tworzenie menu...</translation>
    </message>
    <message>
        <source>Erasing</source>
        <translation>Kasowanie</translation>
    </message>
    <message>
        <source>Finalizing disc</source>
        <translation>Finalizowanie płyty</translation>
    </message>
    <message>
        <source>Created Successfully!</source>
        <translation>Utworzono pomyślnie!</translation>
    </message>
    <message>
        <source>The DVD folder is %1</source>
        <translation>Folder DVD: %1</translation>
    </message>
    <message>
        <source>The DVD image is %1</source>
        <translation>Obraz DVD: %1</translation>
    </message>
    <message>
        <source>The DVD was burnt in %1.</source>
        <translation>DVD nagrano w %1.</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Przerwano</translation>
    </message>
    <message>
        <source>Failed to create DVD!</source>
        <translation>Nie można utworzyć DVD!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Elapsed Time: %1:%2:%3</source>
        <translation>Upłynęło: %1:%2:%3</translation>
    </message>
    <message>
        <source>Aborting, please wait...</source>
        <translation>Przerywanie, proszę czekać...</translation>
    </message>
    <message>
        <source>Failed to open folder &quot;%1&quot;.</source>
        <translation>Nie można otworzyć folderu „%1”.</translation>
    </message>
    <message>
        <source>Action After Making:</source>
        <extracomment>Label before the list of what happens once the DVD is made (do nothing, shut down...); keep it short</extracomment>
        <translation>Potem:</translation>
    </message>
    <message>
        <source>Action After Making</source>
        <translation>Potem</translation>
    </message>
    <message>
        <source>Creating video</source>
        <translation>Tworzenie wideo</translation>
    </message>
    <message>
        <source>Exporting video...</source>
        <translation>Eksportowanie wideo...</translation>
    </message>
    <message>
        <source>The video file is %1</source>
        <translation>Plik wideo to %1</translation>
    </message>
    <message>
        <source>Failed to export the video!</source>
        <translation>Nie udało się wyeksportować wideo!</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>The file is damaged.</source>
        <translation>Plik jest uszkodzony.</translation>
    </message>
    <message>
        <source>The file is not a Sorvel project.</source>
        <translation>Plik nie jest projektem Sorvel.</translation>
    </message>
    <message>
        <source>It was saved by a newer version of Sorvel (project format %1; this version reads format %2). Please update Sorvel to open it.</source>
        <translation>Został zapisany przez nowszą wersję Sorvel (format projektu %1; ta wersja czyta format %2). Zaktualizuj Sorvel, aby go otworzyć.</translation>
    </message>
    <message>
        <source>The project cannot be saved to %1: %2</source>
        <translation>Nie można zapisać projektu w %1: %2</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: %2</source>
        <translation>Nie można otworzyć projektu %1: %2</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened.
%2</source>
        <translation>Nie można otworzyć projektu %1.
%2</translation>
    </message>
    <message>
        <source>It is not valid JSON at byte %1: %2.</source>
        <translation>To nie jest poprawny JSON w bajcie %1: %2.</translation>
    </message>
    <message>
        <source>version: not a format version.</source>
        <translation>version: nie jest wersją formatu.</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>nie jest obiektem</translation>
    </message>
    <message>
        <source>not a list</source>
        <translation>nie jest listą</translation>
    </message>
    <message>
        <source>not 0, 1, 2 or 3</source>
        <translation>nie jest 0, 1, 2 ani 3</translation>
    </message>
    <message>
        <source>before clipStart</source>
        <translation>przed clipStart</translation>
    </message>
    <message>
        <source>not a loudness</source>
        <translation>nie jest głośnością</translation>
    </message>
    <message>
        <source>not a peak level</source>
        <translation>nie jest poziomem szczytowym</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>nie jest liczbą</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>nie jest tekstem</translation>
    </message>
    <message>
        <source>not &quot;PAL&quot; or &quot;NTSC&quot;</source>
        <translation>nie jest „PAL” ani „NTSC”</translation>
    </message>
    <message>
        <source>not 1, 2 or 6</source>
        <translation>nie jest 1, 2 ani 6</translation>
    </message>
    <message>
        <source>not &quot;repeat&quot; or &quot;stop&quot;</source>
        <translation>nie jest „repeat” ani „stop”</translation>
    </message>
    <message>
        <source>not 25, 30, 50 or 60</source>
        <translation>nie jest 25, 30, 50 ani 60</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: %2.</source>
        <translation>Nie można otworzyć projektu %1: %2.</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: it is too large (%2 MB; a project is at most %3 MB).</source>
        <translation>Nie można otworzyć projektu %1: jest za duży (%2 MB; projekt ma najwyżej %3 MB).</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: it is too large (a project is at most %2 MB).</source>
        <translation>Nie można otworzyć projektu %1: jest za duży (projekt ma najwyżej %2 MB).</translation>
    </message>
</context>
<context>
    <name>Project::Reader</name>
    <message>
        <source>not true or false</source>
        <translation>nie jest true ani false</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>nie jest liczbą</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>nie jest liczbą całkowitą</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 jest poza zakresem od %2 do %3</translation>
    </message>
    <message>
        <source>%1 was %2; the editor takes %3 to %4, so it is now %5.</source>
        <translation>%1 wynosiło %2; edytor przyjmuje od %3 do %4, więc teraz wynosi %5.</translation>
    </message>
    <message>
        <source>not one of the choices</source>
        <translation>nie jest jedną z możliwości</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>negative</source>
        <translation>ujemna</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>nie jest tekstem</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>nie jest obiektem</translation>
    </message>
    <message>
        <source>not 0 or 1</source>
        <translation>nie jest 0 ani 1</translation>
    </message>
    <message>
        <source>not a list of four numbers</source>
        <translation>nie jest listą czterech liczb</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Start the program failed. Please re-install it.</source>
        <translation>Nie udało się uruchomić programu. Zainstaluj go ponownie.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pytanie</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Pliki</translation>
    </message>
</context>
<context>
    <name>SkinModel</name>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
</context>
<context>
    <name>VideoGeneration</name>
    <message>
        <source>Cannot render the slideshow: %1</source>
        <translation>Nie można wyrenderować pokazu: %1</translation>
    </message>
    <message>
        <source>Cannot write the video: %1</source>
        <translation>Nie można zapisać wideo: %1</translation>
    </message>
    <message>
        <source>Cannot create the video file: %1</source>
        <translation>Nie można utworzyć pliku wideo: %1</translation>
    </message>
    <message>
        <source>Cannot start encoding: %1</source>
        <translation>Nie można rozpocząć kodowania: %1</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Przerwano</translation>
    </message>
    <message>
        <source>Cannot rename %1 to %2: %3</source>
        <translation>Nie można zmienić nazwy %1 na %2: %3</translation>
    </message>
</context>
<context>
    <name>WaitForDiscDialog</name>
    <message>
        <source>Required disc type:</source>
        <translation>Wymagany typ płyty:</translation>
    </message>
    <message>
        <source>Disc type from the recorder:</source>
        <translation>Typ płyty według nagrywarki:</translation>
    </message>
    <message>
        <source>Capacity needed:</source>
        <translation>Potrzebna pojemność:</translation>
    </message>
    <message>
        <source>Free space on the disc:</source>
        <translation>Wolne miejsce na płycie:</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignoruj</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Are you sure you want to abort?</source>
        <translation>Czy na pewno przerwać?</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the running editor did not answer; the files were not opened</source>
        <translation>uruchomiony edytor nie odpowiedział; pliki nie zostały otwarte</translation>
    </message>
</context>
</TS>
