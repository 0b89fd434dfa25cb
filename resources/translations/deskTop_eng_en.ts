<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AnalogClockPanel</name>
    <message>
        <source>Display attribute</source>
        <translation>Display attribute</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Dial</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>Play time:</translation>
    </message>
    <message>
        <source>Time Scale:</source>
        <translation>Time Scale:</translation>
    </message>
    <message>
        <source>W:</source>
        <translation>W:</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>H:</translation>
    </message>
    <message>
        <source>M Scale:</source>
        <translation>M Scale:</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>Hour:</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>Minute:</translation>
    </message>
    <message>
        <source>Second:</source>
        <translation>Second:</translation>
    </message>
    <message>
        <source>Month day</source>
        <translation>Month day</translation>
    </message>
    <message>
        <source>Day month</source>
        <translation>Day month</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Round</translation>
    </message>
    <message>
        <source>Text Font</source>
        <translation>Text Font</translation>
    </message>
    <message>
        <source>Date Font</source>
        <translation>Date Font</translation>
    </message>
    <message>
        <source>Week Font</source>
        <translation>Week Font</translation>
    </message>
    <message>
        <source>Scale Font</source>
        <translation>Scale Font</translation>
    </message>
</context>
<context>
    <name>BackgroundChooser</name>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>No background picture</source>
        <translation>No background picture</translation>
    </message>
    <message>
        <source>Please Select background picture</source>
        <translation>Please Select background picture</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
</context>
<context>
    <name>BackgroundMusic</name>
    <message>
        <source>not a playable sound</source>
        <translation>not a playable sound</translation>
    </message>
    <message>
        <source>background music %1 cannot be played (%2); it is left out until the next program</source>
        <translation>background music %1 cannot be played (%2); it is left out until the next program</translation>
    </message>
    <message>
        <source>no background music of this program can be played; music stops until the next program</source>
        <translation>no background music of this program can be played; music stops until the next program</translation>
    </message>
</context>
<context>
    <name>BackgroundRow</name>
    <message>
        <source>Tile</source>
        <translation>Tile</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Stretch</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Background:</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
</context>
<context>
    <name>BootSetupWin</name>
    <message>
        <source>Startup settings</source>
        <translation>Startup settings</translation>
    </message>
    <message>
        <source>Start-up</source>
        <translation>Start-up</translation>
    </message>
    <message>
        <source>Auto play</source>
        <translation>Auto play</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Select the scheme</source>
        <translation>Select the scheme</translation>
    </message>
    <message>
        <source>select</source>
        <translation>select</translation>
    </message>
    <message>
        <source>Play the last play scheme</source>
        <translation>Play the last play scheme</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>cancel</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Schedule(*.qvsc)</source>
        <translation>Schedule(*.qvsc)</translation>
    </message>
</context>
<context>
    <name>CommonFontSetDialog</name>
    <message>
        <source>Font:</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>Size(px):</source>
        <translation>Size(px):</translation>
    </message>
    <message>
        <source>Colorful characters:</source>
        <translation>Colorful characters:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Horizontal gradient(six colors)</source>
        <translation>Horizontal gradient(six colors)</translation>
    </message>
    <message>
        <source>Vertical gradient(six colors)</source>
        <translation>Vertical gradient(six colors)</translation>
    </message>
    <message>
        <source>Angle gradient(six colors)</source>
        <translation>Angle gradient(six colors)</translation>
    </message>
    <message>
        <source>Three color streamer word</source>
        <translation>Three color streamer word</translation>
    </message>
    <message>
        <source>Rainbow streamer word</source>
        <translation>Rainbow streamer word</translation>
    </message>
    <message>
        <source>Rolling text</source>
        <translation>Rolling text</translation>
    </message>
    <message>
        <source>Rolling Direction:</source>
        <translation>Rolling Direction:</translation>
    </message>
    <message>
        <source>Right to Left</source>
        <translation>Right to Left</translation>
    </message>
    <message>
        <source>Left toRight</source>
        <translation>Left toRight</translation>
    </message>
    <message>
        <source>Rolling speed:</source>
        <translation>Rolling speed:</translation>
    </message>
    <message>
        <source>Rolling text Y:</source>
        <translation>Rolling text Y:</translation>
    </message>
</context>
<context>
    <name>CommonPlayWindow</name>
    <message>
        <source>Analog Clock</source>
        <translation>Analog Clock</translation>
    </message>
    <message>
        <source>Digital Clock</source>
        <translation>Digital Clock</translation>
    </message>
    <message>
        <source>Digital Timer</source>
        <translation>Digital Timer</translation>
    </message>
    <message>
        <source>Single - row text</source>
        <translation>Single - row text</translation>
    </message>
    <message>
        <source>Scrolling Text</source>
        <translation>Scrolling Text</translation>
    </message>
    <message>
        <source>Simple Text</source>
        <translation>Simple Text</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Streaming Media</source>
        <translation>Streaming Media</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Weather</translation>
    </message>
    <message>
        <source>success</source>
        <translation>success</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>failed</translation>
    </message>
</context>
<context>
    <name>DateRangeRow</name>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To</translation>
    </message>
</context>
<context>
    <name>DayBoxes</name>
    <message>
        <source>Monday</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sunday</translation>
    </message>
</context>
<context>
    <name>DigitalClockPanel</name>
    <message>
        <source>Basic Property</source>
        <translation>Basic Property</translation>
    </message>
    <message>
        <source>Display Style</source>
        <translation>Display Style</translation>
    </message>
    <message>
        <source>Date Style:</source>
        <translation>Date Style:</translation>
    </message>
    <message>
        <source>Fixed Text:</source>
        <translation>Fixed Text:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>Size(px):</source>
        <translation>Size(px):</translation>
    </message>
    <message>
        <source>Colorful characters:</source>
        <translation>Colorful characters:</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>Play time:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>Half Day</source>
        <translation>Half Day</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>2-bit Years</source>
        <translation>2-bit Years</translation>
    </message>
    <message>
        <source>4-bit Years</source>
        <translation>4-bit Years</translation>
    </message>
    <message>
        <source>12 Hours</source>
        <translation>12 Hours</translation>
    </message>
    <message>
        <source>24 Hours</source>
        <translation>24 Hours</translation>
    </message>
    <message>
        <source>Multi-row</source>
        <translation>Multi-row</translation>
    </message>
    <message>
        <source>Single-row</source>
        <translation>Single-row</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Year month day</source>
        <translation>Year month day</translation>
    </message>
    <message>
        <source>Day month year</source>
        <translation>Day month year</translation>
    </message>
    <message>
        <source>Month day year</source>
        <translation>Month day year</translation>
    </message>
</context>
<context>
    <name>DigitalTimerPanel</name>
    <message>
        <source>Transparency</source>
        <translation>Transparency</translation>
    </message>
    <message>
        <source>Stopwatch type:</source>
        <translation>Stopwatch type:</translation>
    </message>
    <message>
        <source>Decrease progressively</source>
        <translation>Decrease progressively</translation>
    </message>
    <message>
        <source>Increase progressively</source>
        <translation>Increase progressively</translation>
    </message>
    <message>
        <source>Number color:</source>
        <translation>Number color:</translation>
    </message>
    <message>
        <source>Target time:</source>
        <translation>Target time:</translation>
    </message>
</context>
<context>
    <name>DisplaySettingsDialog</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>On Top:</source>
        <translation>On Top:</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Never</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Always</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Playing</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>info</source>
        <translation>info</translation>
    </message>
    <message>
        <source>Name can not be empty!</source>
        <translation>Name can not be empty!</translation>
    </message>
    <message>
        <source>The name already exists, please Reinput!</source>
        <translation>The name already exists, please Reinput!</translation>
    </message>
</context>
<context>
    <name>ExtendWin</name>
    <message>
        <source>Backstage setting</source>
        <translation>Backstage setting</translation>
    </message>
    <message>
        <source>Screen selection:</source>
        <translation>Screen selection:</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>cancel</translation>
    </message>
</context>
<context>
    <name>ImagePanel</name>
    <message>
        <source>Path:</source>
        <translation>Path:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Background:</translation>
    </message>
    <message>
        <source>Background Music:</source>
        <translation>Background Music:</translation>
    </message>
    <message>
        <source>Special Effect for Coming into the site</source>
        <translation>Special Effect for Coming into the site</translation>
    </message>
    <message>
        <source>Special Effect for going out from the site</source>
        <translation>Special Effect for going out from the site</translation>
    </message>
    <message>
        <source>0.1s</source>
        <translation>0.1s</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>Scale:</translation>
    </message>
    <message>
        <source>Stay Time:</source>
        <translation>Stay Time:</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>Transparency:</translation>
    </message>
    <message>
        <source>Rotation angle:</source>
        <translation>Rotation angle:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>audio(*.mp3 *.wav)</source>
        <translation>audio(*.mp3 *.wav)</translation>
    </message>
</context>
<context>
    <name>InstanceGuard</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation>cannot open %1: %2</translation>
    </message>
    <message>
        <source>another instance runs</source>
        <translation>another instance runs</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>cannot lock %1: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; it is not followed</source>
        <translation>%1 is a symbolic link; it is not followed</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 belongs to another user</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 is not a regular file</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>cannot make %1: %2</translation>
    </message>
    <message>
        <source>cannot keep %1 at mode 0700: %2</source>
        <translation>cannot keep %1 at mode 0700: %2</translation>
    </message>
</context>
<context>
    <name>JournalWin</name>
    <message>
        <source>Log plat</source>
        <translation>Log plat</translation>
    </message>
    <message>
        <source>Look up</source>
        <translation>Look up</translation>
    </message>
    <message>
        <source>date:  from</source>
        <translation>date:  from</translation>
    </message>
    <message>
        <source>to</source>
        <translation>to</translation>
    </message>
    <message>
        <source>keyword:</source>
        <translation>keyword:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>StartTime</source>
        <translation>StartTime</translation>
    </message>
    <message>
        <source>StopTime</source>
        <translation>StopTime</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Result</translation>
    </message>
</context>
<context>
    <name>LanguageSetupWin</name>
    <message>
        <source>Language setting</source>
        <translation>Language setting</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>cancel</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
</context>
<context>
    <name>MainMenuBKLabel</name>
    <message>
        <source>solution</source>
        <translation>solution</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>SaveAs</source>
        <translation>SaveAs</translation>
    </message>
    <message>
        <source>control</source>
        <translation>control</translation>
    </message>
    <message>
        <source>play</source>
        <translation>play</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>pause</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>stop</translation>
    </message>
    <message>
        <source>set system</source>
        <translation>set system</translation>
    </message>
    <message>
        <source>SetBoot</source>
        <translation>SetBoot</translation>
    </message>
    <message>
        <source>SetPlay</source>
        <translation>SetPlay</translation>
    </message>
    <message>
        <source>language</source>
        <translation>language</translation>
    </message>
    <message>
        <source>help</source>
        <translation>help</translation>
    </message>
</context>
<context>
    <name>MonitorWin</name>
    <message>
        <source>monitor</source>
        <translation>monitor</translation>
    </message>
</context>
<context>
    <name>OfficePages</name>
    <message>
        <source>Preparing the pages of %1 ...</source>
        <translation>Preparing the pages of %1 ...</translation>
    </message>
    <message>
        <source>info</source>
        <translation>info</translation>
    </message>
    <message>
        <source>The pages of %1 cannot be made: the folder %2 cannot be used (%3).</source>
        <translation>The pages of %1 cannot be made: the folder %2 cannot be used (%3).</translation>
    </message>
    <message>
        <source>The pages of %1 cannot be shown: the PDF renderer of this program cannot be loaded (%2).</source>
        <translation>The pages of %1 cannot be shown: the PDF renderer of this program cannot be loaded (%2).</translation>
    </message>
</context>
<context>
    <name>PlayLog</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
</context>
<context>
    <name>PlayLogStore</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation>cannot open %1: %2</translation>
    </message>
    <message>
        <source>%1 is held by another program</source>
        <translation>%1 is held by another program</translation>
    </message>
    <message>
        <source>cannot %1 %2: %3</source>
        <translation>cannot %1 %2: %3</translation>
    </message>
    <message>
        <source>read</source>
        <translation>read</translation>
    </message>
    <message>
        <source>write</source>
        <translation>write</translation>
    </message>
    <message>
        <source>; it could not be moved aside to %1</source>
        <translation>; it could not be moved aside to %1</translation>
    </message>
</context>
<context>
    <name>PlayPlan</name>
    <message>
        <source>-Next Day</source>
        <translation>-Next Day</translation>
    </message>
    <message>
        <source>Every </source>
        <translation>Every </translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
</context>
<context>
    <name>Prodoc</name>
    <message>
        <source>%1 is damaged or not a schedule: the display window "%2" appears twice</source>
        <translation>%1 is damaged or not a schedule: the display window "%2" appears twice</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n display window(s) or area(s) lay outside positions %2 to %3 or sizes up to %4 and were brought inside</source>
        <translation>
            <numerusform>%1: %n display window(s) or area(s) lay outside positions %2 to %3 or sizes up to %4 and were brought inside</numerusform>
            <numerusform>%1: %n display window(s) or area(s) lay outside positions %2 to %3 or sizes up to %4 and were brought inside</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramPanel</name>
    <message>
        <source>add</source>
        <translation>add</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>delete</translation>
    </message>
    <message>
        <source>up</source>
        <translation>up</translation>
    </message>
    <message>
        <source>down</source>
        <translation>down</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>clear</translation>
    </message>
    <message>
        <source>info</source>
        <translation>info</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Background Color:</source>
        <translation>Background Color:</translation>
    </message>
    <message>
        <source>Background Picture:</source>
        <translation>Background Picture:</translation>
    </message>
    <message>
        <source>Display Type:</source>
        <translation>Display Type:</translation>
    </message>
    <message>
        <source>Back Music:</source>
        <translation>Back Music:</translation>
    </message>
    <message>
        <source>Specify number of times:</source>
        <translation>Specify number of times:</translation>
    </message>
    <message>
        <source>Specify duration:</source>
        <translation>Specify duration:</translation>
    </message>
    <message>
        <source>Cycle:</source>
        <translation>Cycle:</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Tile</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Stretch</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>audio(*.mp3 *.wav)</source>
        <translation>audio(*.mp3 *.wav)</translation>
    </message>
    <message>
        <source>Are you sure to delete the selected media?</source>
        <translation>Are you sure to delete the selected media?</translation>
    </message>
    <message>
        <source>Are you sure to delete all the files?</source>
        <translation>Are you sure to delete all the files?</translation>
    </message>
</context>
<context>
    <name>ProjectTree</name>
    <message>
        <source>Add Schedule</source>
        <translation>Add Schedule</translation>
    </message>
    <message>
        <source>General Segment</source>
        <translation>General Segment</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Common Window</source>
        <translation>Common Window</translation>
    </message>
    <message>
        <source>Add Common Segment</source>
        <translation>Add Common Segment</translation>
    </message>
    <message>
        <source>Add Inserted Segment</source>
        <translation>Add Inserted Segment</translation>
    </message>
    <message>
        <source>Timing Inserted</source>
        <translation>Timing Inserted</translation>
    </message>
    <message>
        <source>Cycle Inserted</source>
        <translation>Cycle Inserted</translation>
    </message>
    <message>
        <source>Add Copied Segment</source>
        <translation>Add Copied Segment</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Add Programs</source>
        <translation>Add Programs</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Move Up</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Move Down</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Clear Programs</source>
        <translation>Clear Programs</translation>
    </message>
    <message>
        <source>Add Common Window</source>
        <translation>Add Common Window</translation>
    </message>
    <message>
        <source>Add Copied Window</source>
        <translation>Add Copied Window</translation>
    </message>
    <message>
        <source>Clear Window</source>
        <translation>Clear Window</translation>
    </message>
    <message>
        <source>Add Media</source>
        <translation>Add Media</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Simple Text</source>
        <translation>Simple Text</translation>
    </message>
    <message>
        <source>Single-row Text</source>
        <translation>Single-row Text</translation>
    </message>
    <message>
        <source>Scrolling Text</source>
        <translation>Scrolling Text</translation>
    </message>
    <message>
        <source>Analog Clock</source>
        <translation>Analog Clock</translation>
    </message>
    <message>
        <source>Digital Clock</source>
        <translation>Digital Clock</translation>
    </message>
    <message>
        <source>Digital Timer</source>
        <translation>Digital Timer</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Weather</translation>
    </message>
    <message>
        <source>Url</source>
        <translation>Url</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Video Device</source>
        <translation>Video Device</translation>
    </message>
    <message>
        <source>Clear Media</source>
        <translation>Clear Media</translation>
    </message>
    <message>
        <source>Window Position</source>
        <translation>Window Position</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>Horizontally Center</source>
        <translation>Horizontally Center</translation>
    </message>
    <message>
        <source>Vertically Center</source>
        <translation>Vertically Center</translation>
    </message>
    <message>
        <source>Placed to the Left</source>
        <translation>Placed to the Left</translation>
    </message>
    <message>
        <source>Placed to the  Right</source>
        <translation>Placed to the  Right</translation>
    </message>
    <message>
        <source>Placed at the Top</source>
        <translation>Placed at the Top</translation>
    </message>
    <message>
        <source>Placed at the Bottom</source>
        <translation>Placed at the Bottom</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>Window Size</translation>
    </message>
    <message>
        <source>Full-screen</source>
        <translation>Full-screen</translation>
    </message>
    <message>
        <source>Horizontal Full-screen</source>
        <translation>Horizontal Full-screen</translation>
    </message>
    <message>
        <source>Horizontal 1/2</source>
        <translation>Horizontal 1/2</translation>
    </message>
    <message>
        <source>Horizontal 1/3</source>
        <translation>Horizontal 1/3</translation>
    </message>
    <message>
        <source>Horizontal 1/4</source>
        <translation>Horizontal 1/4</translation>
    </message>
    <message>
        <source>Vertical Full-screen</source>
        <translation>Vertical Full-screen</translation>
    </message>
    <message>
        <source>Vertical 1/2</source>
        <translation>Vertical 1/2</translation>
    </message>
    <message>
        <source>Vertical 1/3</source>
        <translation>Vertical 1/3</translation>
    </message>
    <message>
        <source>Vertical 1/4</source>
        <translation>Vertical 1/4</translation>
    </message>
    <message>
        <source>Move Up by One Layer</source>
        <translation>Move Up by One Layer</translation>
    </message>
    <message>
        <source>Move Down by One Layer</source>
        <translation>Move Down by One Layer</translation>
    </message>
    <message>
        <source>The schedule is empty,please add program!</source>
        <translation>The schedule is empty,please add program!</translation>
    </message>
    <message>
        <source>info</source>
        <translation>info</translation>
    </message>
    <message>
        <source>Cycle Inserted Segment</source>
        <translation>Cycle Inserted Segment</translation>
    </message>
    <message>
        <source>Timing Inserted Segment</source>
        <translation>Timing Inserted Segment</translation>
    </message>
    <message>
        <source>Are you sure to delete all the segments?</source>
        <translation>Are you sure to delete all the segments?</translation>
    </message>
    <message>
        <source>Are you sure to delete all the program pages of the current segment?</source>
        <translation>Are you sure to delete all the program pages of the current segment?</translation>
    </message>
    <message>
        <source>Are you sure to clear all the windows of current program page?</source>
        <translation>Are you sure to clear all the windows of current program page?</translation>
    </message>
    <message>
        <source>Are you sure to delete all the media of the current window?</source>
        <translation>Are you sure to delete all the media of the current window?</translation>
    </message>
    <message>
        <source>Are you sure to delete the current segment?</source>
        <translation>Are you sure to delete the current segment?</translation>
    </message>
    <message>
        <source>Are you sure to delete the current program page?</source>
        <translation>Are you sure to delete the current program page?</translation>
    </message>
    <message>
        <source>Are you sure to delete the current window?</source>
        <translation>Are you sure to delete the current window?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Application failed to create. Please ensure that word 2000 or above is installed!</source>
        <translation>Application failed to create. Please ensure that word 2000 or above is installed!</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>no such file</translation>
    </message>
</context>
<context>
    <name>ScheduleFile</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: only %2 of %3 bytes could be written (%4)</source>
        <translation>cannot write %1: only %2 of %3 bytes could be written (%4)</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>cannot open %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a schedule: the file is too large</source>
        <translation>%1 is not a schedule: the file is too large</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>cannot read %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged or not a schedule: %2</source>
        <translation>%1 is damaged or not a schedule: %2</translation>
    </message>
</context>
<context>
    <name>SchedulePanel</name>
    <message>
        <source>Data Range of Schedule</source>
        <translation>Data Range of Schedule</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>About Priority&amp;nbsp;:&amp;nbsp;&amp;nbsp;</source>
        <translation>About Priority&amp;nbsp;:&amp;nbsp;&amp;nbsp;</translation>
    </message>
    <message>
        <source>The latter segment has higher priority in the same type.&amp;nbsp;&amp;nbsp;</source>
        <translation>The latter segment has higher priority in the same type.&amp;nbsp;&amp;nbsp;</translation>
    </message>
    <message>
        <source>The timing inserted has higher priority than the cycle inserted one.</source>
        <translation>The timing inserted has higher priority than the cycle inserted one.</translation>
    </message>
</context>
<context>
    <name>ScheduleReader</name>
    <message numerus="yes">
        <source>%n unexpected byte(s) follow the schedule</source>
        <translation>
            <numerusform>%n unexpected byte(s) follow the schedule</numerusform>
            <numerusform>%n unexpected byte(s) follow the schedule</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot read %1 at offset %2: %3</source>
        <translation>cannot read %1 at offset %2: %3</translation>
    </message>
    <message>
        <source>the file ends too early</source>
        <translation>the file ends too early</translation>
    </message>
    <message>
        <source>a text of %1 bytes does not fit in the rest of the file</source>
        <translation>a text of %1 bytes does not fit in the rest of the file</translation>
    </message>
    <message>
        <source>colour component %1 is out of range</source>
        <translation>colour component %1 is out of range</translation>
    </message>
    <message>
        <source>the count %1 does not fit in the rest of the file</source>
        <translation>the count %1 does not fit in the rest of the file</translation>
    </message>
</context>
<context>
    <name>SegmentPanel</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Play Property</source>
        <translation>Play Property</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>Sec</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Every</translation>
    </message>
    <message>
        <source>times</source>
        <translation>times</translation>
    </message>
    <message>
        <source>Time Property</source>
        <translation>Time Property</translation>
    </message>
    <message>
        <source>Effective Date</source>
        <translation>Effective Date</translation>
    </message>
    <message>
        <source>Specified date</source>
        <translation>Specified date</translation>
    </message>
    <message>
        <source>Effective Day of the Work</source>
        <translation>Effective Day of the Work</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Effective Time of the Day</source>
        <translation>Effective Time of the Day</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>All Day</translation>
    </message>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the file cannot be written</source>
        <translation>the file cannot be written</translation>
    </message>
    <message>
        <source>The settings cannot be saved in %1: %2</source>
        <translation>The settings cannot be saved in %1: %2</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>info</source>
        <translation>info</translation>
    </message>
    <message>
        <source>The settings folder %1 cannot be used: %2
Settings, crash recovery and the pages of Office documents are not kept.</source>
        <translation>The settings folder %1 cannot be used: %2
Settings, crash recovery and the pages of Office documents are not kept.</translation>
    </message>
    <message>
        <source>The program cannot start: %1</source>
        <translation>The program cannot start: %1</translation>
    </message>
</context>
<context>
    <name>StreamingPanel</name>
    <message>
        <source>Url Address:</source>
        <translation>Url Address:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume:</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>Play time:</translation>
    </message>
</context>
<context>
    <name>TextLists</name>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Horizontal gradient(six colors)</source>
        <translation>Horizontal gradient(six colors)</translation>
    </message>
    <message>
        <source>Vertical gradient(six colors)</source>
        <translation>Vertical gradient(six colors)</translation>
    </message>
    <message>
        <source>Angle gradient(six colors)</source>
        <translation>Angle gradient(six colors)</translation>
    </message>
    <message>
        <source>Three color streamer word</source>
        <translation>Three color streamer word</translation>
    </message>
    <message>
        <source>Rainbow streamer word</source>
        <translation>Rainbow streamer word</translation>
    </message>
</context>
<context>
    <name>TextPanel</name>
    <message>
        <source>Vertical alignment:</source>
        <translation>Vertical alignment:</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>Size(px):</source>
        <translation>Size(px):</translation>
    </message>
    <message>
        <source>Colorful characters:</source>
        <translation>Colorful characters:</translation>
    </message>
    <message>
        <source>Horizontal alignment:</source>
        <translation>Horizontal alignment:</translation>
    </message>
    <message>
        <source>Spacing:</source>
        <translation>Spacing:</translation>
    </message>
    <message>
        <source>Kerning:</source>
        <translation>Kerning:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Background:</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Special Effect for Coming into the site</source>
        <translation>Special Effect for Coming into the site</translation>
    </message>
    <message>
        <source>Special Effect for going out from the site</source>
        <translation>Special Effect for going out from the site</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Rolling Direction:</source>
        <translation>Rolling Direction:</translation>
    </message>
    <message>
        <source>End to end</source>
        <translation>End to end</translation>
    </message>
    <message>
        <source>Interval of Cycles:</source>
        <translation>Interval of Cycles:</translation>
    </message>
    <message>
        <source>Pixel</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Rolling speed:</source>
        <translation>Rolling speed:</translation>
    </message>
    <message>
        <source>Stay Time:</source>
        <translation>Stay Time:</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>Sec</translation>
    </message>
    <message>
        <source>CompletePlay</source>
        <translation>CompletePlay</translation>
    </message>
    <message>
        <source>Play Duration:</source>
        <translation>Play Duration:</translation>
    </message>
</context>
<context>
    <name>TimePointLabel</name>
    <message>
        <source>Monday,</source>
        <translation>Monday,</translation>
    </message>
    <message>
        <source>Tuesday,</source>
        <translation>Tuesday,</translation>
    </message>
    <message>
        <source>Wednesday,</source>
        <translation>Wednesday,</translation>
    </message>
    <message>
        <source>Thursday,</source>
        <translation>Thursday,</translation>
    </message>
    <message>
        <source>Friday,</source>
        <translation>Friday,</translation>
    </message>
    <message>
        <source>Saturday,</source>
        <translation>Saturday,</translation>
    </message>
    <message>
        <source>Sunday,</source>
        <translation>Sunday,</translation>
    </message>
    <message>
        <source> to </source>
        <translation> to </translation>
    </message>
</context>
<context>
    <name>TimingSegmentPanel</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Time Point List</source>
        <translation>Time Point List</translation>
    </message>
    <message>
        <source>Play Property</source>
        <translation>Play Property</translation>
    </message>
    <message>
        <source>When reached the
 time point,</source>
        <translation>When reached the
 time point,</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>Sec</translation>
    </message>
    <message>
        <source>times</source>
        <translation>times</translation>
    </message>
    <message>
        <source>Timing Inserted Segment</source>
        <translation>Timing Inserted Segment</translation>
    </message>
    <message>
        <source>info</source>
        <translation>info</translation>
    </message>
    <message>
        <source>please select the time point to edit!</source>
        <translation>please select the time point to edit!</translation>
    </message>
    <message>
        <source>please select the time point to delete!</source>
        <translation>please select the time point to delete!</translation>
    </message>
    <message>
        <source>Are you sure to delete the selected time point?</source>
        <translation>Are you sure to delete the selected time point?</translation>
    </message>
</context>
<context>
    <name>TimingSegmentTimePropertyWin</name>
    <message>
        <source>Time Point Information</source>
        <translation>Time Point Information</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Specified date</source>
        <translation>Specified date</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>cancel</translation>
    </message>
</context>
<context>
    <name>UrlPanel</name>
    <message>
        <source>Transparency</source>
        <translation>Transparency</translation>
    </message>
    <message>
        <source>Url Address:</source>
        <translation>Url Address:</translation>
    </message>
    <message>
        <source>Local Url</source>
        <translation>Local Url</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>web file(*.html;*.htm;*.url)</source>
        <translation>web file(*.html;*.htm;*.url)</translation>
    </message>
    <message>
        <source>Show Position:</source>
        <translation>Show Position:</translation>
    </message>
</context>
<context>
    <name>VideoDevicePanel</name>
    <message>
        <source>Play time:</source>
        <translation>Play time:</translation>
    </message>
</context>
<context>
    <name>VideoPanel</name>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Path:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume:</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duration:</translation>
    </message>
    <message>
        <source>Overlayed Text</source>
        <translation>Overlayed Text</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Edit Text</translation>
    </message>
    <message>
        <source>Except</source>
        <translation>Except</translation>
    </message>
    <message>
        <source>Starting time:</source>
        <translation>Starting time:</translation>
    </message>
    <message>
        <source>End time:</source>
        <translation>End time:</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>Scale:</translation>
    </message>
    <message>
        <source>Rotation angle:</source>
        <translation>Rotation angle:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Background:</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Original Scale</source>
        <translation>Original Scale</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>90</source>
        <translation>90</translation>
    </message>
    <message>
        <source>180</source>
        <translation>180</translation>
    </message>
    <message>
        <source>270</source>
        <translation>270</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Tile</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Stretch</translation>
    </message>
</context>
<context>
    <name>WeatherPanel</name>
    <message>
        <source>City</source>
        <translation>City</translation>
    </message>
    <message>
        <source>Update cycle:</source>
        <translation>Update cycle:</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>Play time:</translation>
    </message>
</context>
<context>
    <name>Widget</name>
    <message>
        <source>Random</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>Slide from right</source>
        <translation>Slide from right</translation>
    </message>
    <message>
        <source>Slide from left</source>
        <translation>Slide from left</translation>
    </message>
    <message>
        <source>Slide from top</source>
        <translation>Slide from top</translation>
    </message>
    <message>
        <source>Slide from bottom</source>
        <translation>Slide from bottom</translation>
    </message>
    <message>
        <source>Slide from bottom right</source>
        <translation>Slide from bottom right</translation>
    </message>
    <message>
        <source>Slide from bottom left</source>
        <translation>Slide from bottom left</translation>
    </message>
    <message>
        <source>Slide from top left</source>
        <translation>Slide from top left</translation>
    </message>
    <message>
        <source>Slide from top right</source>
        <translation>Slide from top right</translation>
    </message>
    <message>
        <source>Reveal from right</source>
        <translation>Reveal from right</translation>
    </message>
    <message>
        <source>Reveal from left</source>
        <translation>Reveal from left</translation>
    </message>
    <message>
        <source>Reveal from top </source>
        <translation>Reveal from top </translation>
    </message>
    <message>
        <source>Reveal from bottom</source>
        <translation>Reveal from bottom</translation>
    </message>
    <message>
        <source>Reveal out left and right from middle</source>
        <translation>Reveal out left and right from middle</translation>
    </message>
    <message>
        <source>Reveal in from left and right</source>
        <translation>Reveal in from left and right</translation>
    </message>
    <message>
        <source>Reveal out up and down from middle</source>
        <translation>Reveal out up and down from middle</translation>
    </message>
    <message>
        <source>Reveal in from top and bottom</source>
        <translation>Reveal in from top and bottom</translation>
    </message>
    <message>
        <source>Reveal in to center</source>
        <translation>Reveal in to center</translation>
    </message>
    <message>
        <source>Reveal into center</source>
        <translation>Reveal into center</translation>
    </message>
    <message>
        <source>Reveal out from center</source>
        <translation>Reveal out from center</translation>
    </message>
    <message>
        <source>Analog Clock</source>
        <translation>Analog Clock</translation>
    </message>
    <message>
        <source>Digital Clock</source>
        <translation>Digital Clock</translation>
    </message>
    <message>
        <source>Digital Timer</source>
        <translation>Digital Timer</translation>
    </message>
    <message>
        <source>Single-row text</source>
        <translation>Single-row text</translation>
    </message>
    <message>
        <source>Single - row text</source>
        <translation>Single - row text</translation>
    </message>
    <message>
        <source>Scrolling text</source>
        <translation>Scrolling text</translation>
    </message>
    <message>
        <source>Scrolling Text</source>
        <translation>Scrolling Text</translation>
    </message>
    <message>
        <source>Simple Text</source>
        <translation>Simple Text</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Streaming Media</source>
        <translation>Streaming Media</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Weather</translation>
    </message>
    <message>
        <source>Display window</source>
        <translation>Display window</translation>
    </message>
    <message>
        <source>minimization</source>
        <translation>minimization</translation>
    </message>
    <message>
        <source>maximization</source>
        <translation>maximization</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>restore</translation>
    </message>
    <message>
        <source>close</source>
        <translation>close</translation>
    </message>
    <message>
        <source>menu</source>
        <translation>menu</translation>
    </message>
    <message>
        <source>monitor</source>
        <translation>monitor</translation>
    </message>
    <message>
        <source>background</source>
        <translation>background</translation>
    </message>
    <message>
        <source>win-up</source>
        <translation>win-up</translation>
    </message>
    <message>
        <source>winlock</source>
        <translation>winlock</translation>
    </message>
    <message>
        <source>winhide</source>
        <translation>winhide</translation>
    </message>
    <message>
        <source>play</source>
        <translation>play</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>stop</translation>
    </message>
    <message>
        <source>win-show</source>
        <translation>win-show</translation>
    </message>
    <message>
        <source>winunlock</source>
        <translation>winunlock</translation>
    </message>
    <message>
        <source>winshow</source>
        <translation>winshow</translation>
    </message>
    <message>
        <source>frontground</source>
        <translation>frontground</translation>
    </message>
    <message>
        <source>Schedule(*.qvsc)</source>
        <translation>Schedule(*.qvsc)</translation>
    </message>
    <message>
        <source>info</source>
        <translation>info</translation>
    </message>
    <message>
        <source>Save failed,%1</source>
        <translation>Save failed,%1</translation>
    </message>
    <message>
        <source>Saved successfully,%1</source>
        <translation>Saved successfully,%1</translation>
    </message>
    <message>
        <source>Do you want to save the current schedule?</source>
        <translation>Do you want to save the current schedule?</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Open failed,%1</source>
        <translation>Open failed,%1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>pause</translation>
    </message>
    <message>
        <source>The start-up entry %1 could not be changed: %2</source>
        <translation>The start-up entry %1 could not be changed: %2</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Horizontal gradient(six colors)</source>
        <translation>Horizontal gradient(six colors)</translation>
    </message>
    <message>
        <source>Vertical gradient(six colors)</source>
        <translation>Vertical gradient(six colors)</translation>
    </message>
    <message>
        <source>Angle gradient(six colors)</source>
        <translation>Angle gradient(six colors)</translation>
    </message>
    <message>
        <source>Three color streamer word</source>
        <translation>Three color streamer word</translation>
    </message>
    <message>
        <source>Rainbow streamer word</source>
        <translation>Rainbow streamer word</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Align Left</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Align Right</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>Align Top</source>
        <translation>Align Top</translation>
    </message>
    <message>
        <source>Align Bottom</source>
        <translation>Align Bottom</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Tile</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Stretch</translation>
    </message>
    <message>
        <source>Right to Left</source>
        <translation>Right to Left</translation>
    </message>
    <message>
        <source>Left toRight</source>
        <translation>Left toRight</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Original Scale</source>
        <translation>Original Scale</translation>
    </message>
    <message>
        <source>90</source>
        <translation>90</translation>
    </message>
    <message>
        <source>180</source>
        <translation>180</translation>
    </message>
    <message>
        <source>270</source>
        <translation>270</translation>
    </message>
    <message>
        <source>This item cannot be shown here: %1</source>
        <translation>This item cannot be shown here: %1</translation>
    </message>
    <message>
        <source>Web pages cannot be shown on this computer: %1</source>
        <translation>Web pages cannot be shown on this computer: %1</translation>
    </message>
</context>
<context>
    <name>WindowPanel</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>copy</source>
        <translation>copy</translation>
    </message>
    <message>
        <source>paste</source>
        <translation>paste</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>delete</translation>
    </message>
    <message>
        <source>up</source>
        <translation>up</translation>
    </message>
    <message>
        <source>down</source>
        <translation>down</translation>
    </message>
    <message>
        <source>info</source>
        <translation>info</translation>
    </message>
    <message>
        <source>Are you sure to delete the selected media?</source>
        <translation>Are you sure to delete the selected media?</translation>
    </message>
</context>
<context>
    <name>dataBaseConn</name>
    <message>
        <source>unable to open database:%1</source>
        <translation>unable to open database:%1</translation>
    </message>
</context>
<context>
    <name>digitalClockWidget</name>
    <message>
        <source>Monday</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>PM</translation>
    </message>
</context>
<context>
    <name>newDisplayWindowButton</name>
    <message>
        <source>Led Display Parameter Setting</source>
        <translation>Led Display Parameter Setting</translation>
    </message>
    <message>
        <source>Add Play Window</source>
        <translation>Add Play Window</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
</context>
</TS>
