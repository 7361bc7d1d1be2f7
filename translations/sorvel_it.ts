<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Application</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AudioListWidget</name>
    <message>
        <source>Audio clips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag Audio File(s) Here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Clips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Clips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Audio</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BitRateDialog</name>
    <message>
        <source>Customize Bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input customized bitrate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mbps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kbit/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input a valid value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BurnWorkflow</name>
    <message>
        <source>The output folder does not exist, please set the output folder and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The temporary folder does not exist, please set the temporary folder and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another disc job is still running; please try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burn process failed. Do you want to try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 B</source>
        <comment>bytes</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough free space available in the disk which the temporary folder is located in. At least %1 disk space is needed in disk %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough space available in the target disk. At least %1 of disk space is needed in %2 disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 will be cleared. Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file system of destination disk (%1) does not support files larger than 4GB, please select again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 will be overwritten. Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such recorder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder, not an optical drive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a file, not an optical drive; to write a disc image into it, use stdio:%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an optical drive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No recorder was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorders found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder; a disc image needs a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the destination.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disc in the drive is not blank. Writing to this disc will erase all the data on the disc. 
Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please insert a blank disc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough free space in the disc, please insert another disc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please insert a blank and recordable disc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burning failed! %1We recommend you burn again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burn failed! Open ISO failed, we suggest you burn again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open disc, please retry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to write to disc, please retry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to read DVD data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to create the DVD folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burning failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disc checking stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burning aborted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to erase!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CapacityBar</name>
    <message>
        <source>%1GB</source>
        <comment>scale label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disc capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disc space is sufficient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file size is close to the maximum disc capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file size is beyond the maximum disc capacity</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>make a DVD from photos and music (see make-dvd --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: sorvel [COMMAND [OPTIONS]]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without a command, starts the slideshow editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run &apos;sorvel COMMAND --help&apos; for a command&apos;s options.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DestinationBox</name>
    <message>
        <source>The folder %1 will be cleared. Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input volume label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open DVD Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DVD Image file (*.iso)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the destination.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as DVD Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as Image (.iso)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogQuestions</name>
    <message>
        <source>Waiting for Disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To skip disc checking, please click &quot;Ignore&quot;, but it will show again when starting burning.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DvdGeneration</name>
    <message>
        <source>Cannot render the slideshow: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the audio stream: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot start encoding: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoding failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encoded video is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encoded streams are missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mplex did not start reading the video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to create DVD!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the video stream: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video ended early.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DvdSettingsDialog</name>
    <message>
        <source>DVD Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume Label:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The most the video may take: High up to 9 Mbit/s, Normal up to 5, Low up to 2. Still photos take far less.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Standard:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the Show Ends:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the Show Ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the disc does after the last photo: start the show again, or stop as a film does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Bit Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>128kbit/s (Lowest Audio Quality)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>160kbit/s (Low Audio Quality)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>192kbit/s (Normal Audio Quality)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>320kbit/s (High Audio Quality)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>448kbit/s (Highest Audio Quality)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 (Mono)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 (Stereo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5.1 (D.D.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Mbps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated size: up to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditAudioDialog</name>
    <message>
        <source>Edit Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio clips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clip position and points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Start Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set End Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position and duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound is not available: %1 The clips can still be ordered and trimmed, but not played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select One or More Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some files have not been added to the list:
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>Sorvel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Photo(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Photo Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Audio File(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous (Left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop (Home)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next (Right)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Album</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Album Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync with Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Dynamic Effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Transition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dissolve Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random Transition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Strips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disc type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DVD 4.7G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DVD 8.5G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create DVD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Photo(s)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&amp;mport Photo Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import &amp;Audio File(s)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Project...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Rotate All Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Rotate Photos While Importing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create DVD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do &amp;Nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hibernate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Shut Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stand &amp;By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action &amp;After Making</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Supported Files (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPG Files (*.jpg; *.jpeg);;BMP Files (*.bmp);;PNG Files (*.png);;GIF Files (*.gif);;TIFF Files (*.tiff);;XBP Files (*.xbm);;XPM Files (*.xpm);;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files(*.*);;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select One or More Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AAC Files (*.aac);;AIF Files (*.aif; *.aiff);;AC3 Files (*.ac3);;APE Files (*.ape);;AU Files (*.au);;FLAC Files (*.flac);;MPA Files (*.mpa);;MP2 Files (*.mp2);;MP3 Files (*.mp3);;OGG Files (*.ogg);;RA Files (*.ra);;WAV Files (*.wav);;WMA Files (*.wma);;M4A Files (*.m4a);;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound is not available (%1); the preview plays without sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DVD Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorvel Projects (*.sorvel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The album &quot;%1&quot; has changes that are not saved.
Do you want to save them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some files of the project are missing or cannot be read and have been left out:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Import Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some files have not been added to the list:
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindowBase</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2
Turns photos and music into DVD-Video slideshows.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MakeDvd</name>
    <message>
        <source>%1, %2, %3 s of video, %4, up to %5 Mbit/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n audio clip(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Burning the next copy...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(answer with --yes to go on)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aborting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening the project %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some files of the project are missing or cannot be read and have been left out:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the project has no photo to make a slideshow from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync with audio: the music gives less than 1 s or more than 999 s a photo; the photo duration stays %1 ms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing %1 and %2...</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n audio file(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Some files have not been added to the list:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no photo to make a slideshow from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output (exactly one is required):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write the DVD folder into DIR/&lt;volume label&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write an ISO image (&quot;.iso&quot; is appended if missing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>burn to a recorder (/dev/sr0, or stdio:/path/disc.img)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DVD:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disc label (default &quot;My DVD&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV standard (default: from the settings or the locale)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>high (up to 9 Mbit/s), normal (5), low (2) or a rate 2..9: the most the video may take; stills take less</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AC-3 bit rate, 128..448 (default 192)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>audio channels (default 2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>when the show ends, play it again (default) or stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slideshow:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time each photo is shown, 1000..999000 (default 5000)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time of each transition, 500..5000 (default 1500); both durations are snapped to whole video frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cut from photo to photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dissolves instead of pattern wipes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no pan-and-zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restart the music when it ends before the photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fit the photo time to the length of the music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ignore the photos&apos; EXIF orientation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>working folder (default: the TemporaryDir setting); each run works in its own new subfolder of it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keep the run&apos;s working subfolder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>discs to burn with --to-drive (default 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>burn speed, &quot;Max&quot; or e.g. 8X (default Max)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answer Yes to questions (overwrite, clear, non-blank disc); without it a question ends the run with exit code 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print only errors and the result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the diagnostic messages of the program and of the libraries it uses (FFmpeg, Qt) too; they always go to the diagnostic log, make-dvd.log in the cache folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show this help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: sorvel make-dvd [OPTIONS] PATH...
       sorvel make-dvd [OPTIONS] PROJECT.sorvel
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes a DVD-Video slideshow from photos and music without opening a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PATH: photo files, audio files or folders. A folder adds its photos and audio files (one level, in name order). Photos and clips keep the order given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROJECT.sorvel: a saved project with its photos, clips, settings and DVD choices; the options given here override the project&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit codes: 0 the output is complete, 1 failure, 2 usage error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl-C aborts cleanly: child programs end and the working subfolder is removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option %1 needs a non-empty value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--standard must be PAL or NTSC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quality must be high, normal, low or a number from 2 to 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--audio-bitrate must be a number from 128 to 448</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--channels must be 1, 2 or 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--at-end must be repeat or stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a number of milliseconds from %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--copies must be a number from 1 to 99</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one output is required: --to-folder, --to-iso or --to-drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give only one of --to-folder, --to-iso and --to-drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no photos or folders given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--copies is only for --to-drive</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MakeJob</name>
    <message>
        <source>Checking the destination...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating video...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating menu...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating DVD...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating DVD Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating ISO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erasing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burning disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finalizing disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The temporary folder %1 does not exist and cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The album has no photos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disc checking stopped</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MediaInfoWidget</name>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equipment Make:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera Model:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compressed Bit-Per-Pixel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exposure Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F-Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exposure Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exposure Bias:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Aperture:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhotoListWidget</name>
    <message>
        <source>Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Rotate All Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag Photo(s) Here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Photos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temporary Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete temporary files after burning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language changes the next time Sorvel starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CPU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting the CPU core number for DVD making will affect the speed and the amount of system resources required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use all cores (offers the highest making speed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the least number of cores (requires the least amount of resources)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Core Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action After Making</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action After Making:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open folder &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected folder is read-only, please select other folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreviewPlayer</name>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound card cannot play %1 channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound device is no longer available.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Creating DVD…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed Time: 00:00:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Post Task Actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burn Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort or not?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating DVD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating DVD Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating ISO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burning disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating DVD...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the destination...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating video...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating menu...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erasing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finalizing disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created Successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DVD folder is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DVD image is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DVD was burnt in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to create DVD!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed Time: %1:%2:%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aborting, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open folder &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>The file is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a Sorvel project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was saved by a newer version of Sorvel (project format %1; this version reads format %2). Please update Sorvel to open it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project cannot be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project %1 cannot be opened.
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the program failed. Please re-install it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkinModel</name>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaitForDiscDialog</name>
    <message>
        <source>Required disc type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disc type from the recorder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity needed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free space on the disc:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to abort?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the running editor did not answer; the files were not opened</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
