<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>EditorWindow</name>
    <message numerus="yes">
        <source>%n file(s) of the project are missing or cannot be read. They keep their places in the album and are saved with it, but the preview and the DVD leave them out until they are found. Relink searches a folder (and the folders in it) for them by name.</source>
        <translation>
            <numerusform>%n file of the project is missing or cannot be read. It keeps its place in the album and is saved with it, but the preview and the DVD leave it out until it is found. Relink searches a folder (and the folders in it) for it by name.</numerusform>
            <numerusform>%n files of the project are missing or cannot be read. They keep their places in the album and are saved with it, but the preview and the DVD leave them out until they are found. Relink searches a folder (and the folders in it) for them by name.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) found again.</source>
        <translation>
            <numerusform>%n file found again.</numerusform>
            <numerusform>%n files found again.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 was not closed properly. Its unsaved changes were kept at %2 (%n photo(s)).
Do you want to recover them?</source>
        <translation>
            <numerusform>%1 was not closed properly. Its unsaved changes were kept at %2 (%n photo).
Do you want to recover them?</numerusform>
            <numerusform>%1 was not closed properly. Its unsaved changes were kept at %2 (%n photos).
Do you want to recover them?</numerusform>
        </translation>
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
            <numerusform>%n audio clip</numerusform>
            <numerusform>%n audio clips</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n audio file(s)</source>
        <translation>
            <numerusform>%n audio file</numerusform>
            <numerusform>%n audio files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the project are missing; give --yes to make the DVD without them</source>
        <translation>
            <numerusform>%n file of the project is missing; give --yes to make the DVD without it</numerusform>
            <numerusform>%n files of the project are missing; give --yes to make the DVD without them</numerusform>
        </translation>
    </message>
</context>
</TS>
