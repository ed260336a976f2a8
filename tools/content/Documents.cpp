#include "Documents.h"

#include "ContentOutput.h"
#include "DemoLibrary.h"
#include "app/Globvars.h"
#include "core/ShippedFiles.h"
#include "core/TextFormat.h"
#include "library/ReviewWord.h"
#include "library/DefaultOptions.h"
#include "library/OptionsFile.h"

namespace {

const char* const kStyle = R"css(
body { font-family: "DejaVu Sans", Verdana, sans-serif; font-size: 18px; line-height: 1.55;
       max-width: 58em; margin: 0 auto; padding: 1em 1.5em 3em; color: #111; background: #fff; }
h1 { font-size: 2.1em; color: #0d2b6b; border-bottom: 4px solid #ffd400; padding-bottom: .2em; }
h2 { font-size: 1.5em; color: #0d2b6b; margin-top: 1.8em; border-bottom: 2px solid #cfd8dc; }
h3 { font-size: 1.2em; color: #1565c0; margin-top: 1.4em; }
table { border-collapse: collapse; margin: .8em 0; width: 100%; }
th, td { border: 1px solid #90a4ae; padding: .35em .6em; text-align: left; vertical-align: top; }
th { background: #e3f2fd; }
.note { background: #fff8e1; border-left: 6px solid #ffb300; padding: .6em 1em; margin: 1em 0; }
.key { display: inline-block; border: 2px solid #37474f; border-radius: 6px; padding: 0 .4em;
       font-weight: bold; background: #eceff1; }
nav ol { columns: 2; }
code { font-size: .95em; background: #f1f3f4; padding: 0 .2em; }
)css";

QString page(const QString& title, const QString& body) {
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>") + title +
           QStringLiteral("</title>\n<style>") + QString::fromUtf8(kStyle) +
           QStringLiteral("</style>\n</head>\n<body>\n") + body + QStringLiteral("</body>\n</html>\n");
}

// Text files of the program end their lines with CR LF, documents included.
QByteArray withCrLf(const QString& text) {
    QString copy = text;
    return copy.replace(QLatin1Char('\n'), QLatin1String("\r\n")).toUtf8();
}

QString demoTaskRows() {
    QString rows;
    for (const DemoTask& task : demoTasks()) {
        QStringList steps;
        for (const DemoStep& s : task.steps) steps << s.description.toHtmlEscaped();
        rows += QStringLiteral("<tr><td>") + task.title.toHtmlEscaped() + QStringLiteral("</td><td>") +
                task.category.toHtmlEscaped() + QStringLiteral("</td><td>") + QString::number(task.steps.size()) +
                QStringLiteral("</td><td>") + steps.join(QStringLiteral("; ")) +
                (task.hasVideo ? QStringLiteral(" <em>(with a short video)</em>") : QString()) +
                QStringLiteral("</td></tr>\n");
    }
    return rows;
}

const char* const kGuideStart = R"html(
<h1>Stepwick User Guide</h1>
<p>Stepwick helps students learn the order of the steps of everyday tasks: washing hands, making a
sandwich, getting dressed. The pictures of a task's steps are shuffled, and the student puts them
into numbered boxes, one by one, in the right order. Stepwick speaks the pictures, checks the order,
explains what went wrong, rewards a solved task with stars and keeps a record of every task.
It is made for students in special education and can be used with a mouse, a touch screen or one
or two switches.</p>

<nav><h2>Contents</h2><ol>
<li><a href="#start">Getting started</a></li>
<li><a href="#students">Students</a></li>
<li><a href="#activity">Running a sequencing activity</a></li>
<li><a href="#access">The five access methods and switches</a></li>
<li><a href="#options">Options</a></li>
<li><a href="#review">Review lesson and video</a></li>
<li><a href="#pictures">Making pictures</a></li>
<li><a href="#tasks">Making tasks</a></li>
<li><a href="#language">Your own voice: Language Customization</a></li>
<li><a href="#recording">Recording and the microphone</a></li>
<li><a href="#results">Results</a></li>
<li><a href="#examples">The example tasks</a></li>
<li><a href="#files">Where Stepwick keeps its files</a></li>
</ol></nav>

<h2 id="start">1. Getting started</h2>
<p>The main menu shows the program's logo and seven round buttons:</p>
<table>
<tr><th>Button</th><th>What it does</th></tr>
<tr><td>Start</td><td>Choose the student who will work, then the tasks, and begin the activity.</td></tr>
<tr><td>Options</td><td>Set how the activity behaves for each student (see <a href="#options">Options</a>).</td></tr>
<tr><td>Quit</td><td>Close Stepwick. Everything has already been saved.</td></tr>
<tr><td>Task Maker</td><td>Make, change, delete and print tasks and pictures, record narrations, and record the
program's spoken sentences in your own voice.</td></tr>
<tr><td>View Data / Delete / Add Student</td><td>Add and remove students and look at their results.</td></tr>
<tr><td>User Guide</td><td>This guide.</td></tr>
<tr><td>Credits</td><td>Who made the parts Stepwick is built from.</td></tr>
</table>
<p><strong>The first start.</strong> The very first time Stepwick starts it measures how fast this
computer can move pictures, so that the pictures glide at a comfortable speed. A short message
explains this; a picture runs across the screen for a few seconds and the screen closes by itself
when the measurement is done. You can change the speed later for each student (Options, Picture
Options).</p>
<p>A gong sounds once when the program starts: a quick check that the speakers are on.</p>

<h2 id="students">2. Students</h2>
<p>Every student has their own options and their own results. The student <strong>teacher</strong>
is always there; use it to try things out. Results are never recorded for "teacher".</p>
<ul>
<li><strong>Add a student:</strong> main menu, <em>View Data / Delete / Add Student</em>, type the name
and click <em>Add a Student</em>. A name may use letters, digits, blanks, the underscore and the
apostrophe. The new student starts with a copy of the options of the student who was chosen last,
so set up one student well and then add the others.</li>
<li><strong>Remove a student:</strong> on the same panel, click the name and then <em>Remove Student</em>.
Stepwick asks first; then the student's options and results are deleted.</li>
<li><strong>Log on:</strong> click <em>Start</em> on the main menu, click the student's name and then
<em>Continue</em>.</li>
</ul>

<h2 id="activity">3. Running a sequencing activity</h2>
<h3>Choosing the tasks</h3>
<p>After the log-on the <em>Tasks</em> window lists the tasks of the library. Tick one or more tasks
and click <em>Continue</em>; they are worked through in the order of the list. The check boxes
"2" to "10" above the list show or hide tasks by their number of steps; Stepwick remembers this
choice for each student.</p>
<h3>What the student sees</h3>
<p>The task's title runs across the top of the screen. The shuffled pictures stand in a row (or a
column), and under them (or beside them) a row of empty boxes, numbered 1, 2, 3 ... with arrows
between them. The student moves the pictures into the boxes in the order of the task. A line at
the bottom of the screen shows who is logged on and how the pictures are chosen.</p>
<p>Before the task starts Stepwick says "Put the pictures in the correct order for", followed by
the task's recorded introduction, and explains how to choose a picture (this can be switched off).</p>
<p>The yellow button <em>Back to the Task Selection Menu</em> at the top right ends the activity at
any time; the task is then recorded as not finished. The buttons <em>Start Review</em> and
<em>Play Video</em> (or <em>Read Story</em>) at the top left are shown when the student's options
ask for them.</p>
<h3>Checking and rewards</h3>
<p>Depending on the options, Stepwick checks each picture as soon as it is placed, or waits until
every box is filled and then says "Lets see how you did.": a hand points at every picture in a
wrong box, Stepwick says that it does not go there, and the picture goes back up. When every
picture is right the task is solved. The reward screen shows a check mark, plays a short tune
and draws stars:</p>
<table>
<tr><th>Wrong placements in the task</th><th>Stars</th></tr>
<tr><td>none</td><td>5</td></tr>
<tr><td>at least one, but no more than the task has steps</td><td>4</td></tr>
<tr><td>more than the task has steps</td><td>3</td></tr>
</table>
<p>Then a menu offers <em>Next Task</em>, <em>Same Task Again</em> (shuffled anew) and
<em>Task Selection Menu</em>. After the last chosen task, Next Task starts again with the first.</p>

<h2 id="access">4. The five access methods and switches</h2>
<p>Switches reach Stepwick as keys: the <span class="key">Space</span> key scans (moves the
highlight on) and the <span class="key">Enter</span> key selects; a mouse click also selects. Any
switch interface that sends Space and Enter, or a mouse click, works with Stepwick. Set the access
method for each student under <em>Options, Switch / Mouse Setting</em>.</p>
<table>
<tr><th>Method</th><th>How the student chooses a picture</th></tr>
<tr><td>1. Step scanning with two switches</td><td>The first switch (<span class="key">Space</span>) moves a
striped highlight from picture to picture; the second switch (<span class="key">Enter</span>) or a mouse
click chooses the highlighted picture, which glides into the next empty box. Nothing happens on the
board until the first press of the first switch.</td></tr>
<tr><td>2. Touch window or mouse click</td><td>The student clicks or touches a picture; it glides into the
next empty box.</td></tr>
<tr><td>3. Timed scanning with one switch</td><td>The highlight moves on by itself every few seconds (1 to 10,
set with the slider); pressing the switch (<span class="key">Enter</span> or
<span class="key">Space</span>) or clicking chooses the highlighted picture.</td></tr>
<tr><td>4. Drag and drop</td><td>The student drags a picture with the mouse and drops it on a box.</td></tr>
<tr><td>5. Click to pick up, click to drop</td><td>One click picks the picture up, it follows the mouse, and a
second click puts it down in a box.</td></tr>
</table>
<p>With methods 1 to 3 a picture that is already in a box can be chosen again: it goes back up to
the top row. With scanning a green arrow shows the box the picture will go to. A student who does
nothing for a while hears a short reminder to press the switch.</p>

<h2 id="options">5. Options</h2>
<p>The <em>Options</em> button of the main menu shows the options of the student who is logged on;
the list on the left switches to another student. Each panel's <em>Done</em> button saves at once.
<em>Summary of options set for ...</em> shows all of a student's settings in plain words.</p>
<table>
<tr><th>Panel</th><th>What you can set</th></tr>
<tr><td>Switch / Mouse Setting</td><td>The access method (above) and the scanning interval for timed
scanning.</td></tr>
<tr><td>Response Setting</td><td>Check each picture as soon as it is placed, or wait until all pictures are
placed and then check them all.</td></tr>
<tr><td>Task Layout Options</td><td>How the pictures are shuffled (randomly, always out of order, or always in
order, which is useful for a first try); the background colour (black, red, green, blue, purple or
white); the direction (left to right, top to bottom, or right to left); and whether the boxes carry
numbers or are plain.</td></tr>
<tr><td>Picture Options</td><td>Whether each picture's title is shown over it, and how fast the pictures
move. <em>Show Speed</em> moves a yellow box at the chosen speed; <em>Faster</em> and
<em>Slower</em> change it; <em>Reset Speed</em> measures the computer again. A larger number is
slower.</td></tr>
<tr><td>Auditory Options</td><td>Whether the access method is explained aloud before each task, and whether
the pictures' narrations are played.</td></tr>
<tr><td>Video &amp; Review Lesson Options</td><td>Whether the review lesson and the task's video play before
each task, and whether their buttons are shown during the task.</td></tr>
<tr><td>Reward Screen Setting</td><td>Show the stars, or only a check mark and "Very good."</td></tr>
<tr><td>Jump Start Setting</td><td>For each task length, which steps the computer puts in place before the
student starts. A five-step task with three steps placed becomes a two-step exercise: a gentle way to
start. At least one step of each length is always left for the student.</td></tr>
</table>
<div class="note">A good first setting for a new student: method 2 (mouse or touch), feedback after each
picture, pictures always out of order, titles on, narration on, the reward on, and short tasks only
(tick only "2" and "3" on the Tasks window).</div>

<h2 id="review">6. Review lesson and video</h2>
<p>The <strong>review lesson</strong> shows the pictures of the task already in the right order. A hand
points at each in turn while Stepwick says "Let's learn about" and the task's introduction, then
"first is" and "next is", each followed by the picture's narration, and finally "Now it is your turn".
The word at the top of the lesson screen ("Review") can be changed under Language Customization.</p>
<p>A task may have a <strong>video clip</strong> (avi, mpg or wmv). It plays on a television in the
middle of the screen; the buttons under it pause, play, rewind and skip the clip. Before the clip
Stepwick says "Let's see a video about" followed by the task's introduction. In the Larkin edition
the clip is presented as a story.</p>

<h2 id="pictures">7. Making pictures</h2>
<p>Every step of a task is a picture of the picture library. <strong>A picture must be added before it
can be used in a task.</strong> In the Task Maker, click <em>Add, Modify, or Delete a Picture</em>.
The picture wizard has three steps:</p>
<ol>
<li><strong>Describe the picture.</strong> Give it a category (for example Hygiene) and a description
(for example "Brushing your teeth"). The description is shown over the picture during the task. You
may also type how the speech synthesizer should say it, if it would otherwise say it wrongly.</li>
<li><strong>Choose the image:</strong> a JPEG or BMP file. A photograph of the student's own
toothbrush or kitchen often works best. Pictures are shown in a 4:3 frame (for example 400 x 300
pixels); show one action per picture, with a plain background.</li>
<li><strong>Record a narration</strong> (optional): click <em>Start Recording</em>, say the step, and click
<em>Stop Recording</em>. Say it so that it fits both "first is ..." and "... doesn't go here, try
again", for example "brushing your teeth". A recording can be at most 15 seconds long. Without a
recording Stepwick speaks the text with its speech synthesizer.</li>
</ol>
<p>A picture that is used by any task cannot be deleted; remove it from the tasks first.</p>

<h2 id="tasks">8. Making tasks</h2>
<p>In the Task Maker, click <em>Add, Modify, Print, or Delete a Sequencing Task</em>. The task wizard
has four steps:</p>
<ol>
<li><strong>Describe the activity</strong> (for example "Making a scrambled egg") and give it a
category (for example "Cooking"). Two tasks may share a description only if their category or number
of steps differs.</li>
<li><strong>Add pictures to the task:</strong> click a picture in the list, then <em>Paste Picture</em> on
the next empty step. A task has from 2 to 10 steps.</li>
<li><strong>A video clip</strong> (optional): choose an avi, mpg or wmv file, preview it, or remove it.</li>
<li><strong>Record an introduction</strong> (optional but recommended). It is said after "Put the pictures
in the correct order for", so record just the name of the task, for example "making a scrambled
egg". Then click <em>Save Task &amp; Exit</em>.</li>
</ol>
<p><em>Print Task Pictures</em> prints the pictures of a task, one per page, to make a paper version of
the exercise. Deleting a task never deletes its pictures.</p>

<h2 id="language">9. Your own voice: Language Customization</h2>
<p>All 22 sentences Stepwick speaks ("Lets see how you did.", "Keep trying, you can do it", the
rewards, the menu choices ...) can be recorded again in your own voice or in another language. In the
Task Maker, click <em>Language Customization</em>, click a sentence (the panel explains when it is
used), click the record button and speak clearly. <em>Play</em> lets you listen to it;
<em>Revert to the Original Recording</em> brings back the recording that came with Stepwick. The box
at the bottom holds the word shown at the top of the review lesson.</p>

<h2 id="recording">10. Recording and the microphone</h2>
<p>A computer microphone plugs in either with a USB connector or with a 1/8 inch (3.5 mm) connector.
Many microphones have an on/off switch at their base: make sure it is on. If a recording plays back
silent, click <em>Troubleshooting</em>: check the connector, choose the microphone as the recording
device in the computer's sound settings and raise its level (the button <em>Show Microphone Balance
Windows Screen</em> opens the sound settings).</p>

<h2 id="results">11. Results</h2>
<p>Every task a student works on (except as "teacher") is recorded as soon as it is solved or left
with the exit button, in two files named after the student, the newest first:</p>
<ul>
<li>a simple report (<code>name.sta</code>): the date and time, the task, whether it was finished, the
access method, the number of steps, the number of wrong placements, the number of jump-started steps,
the percent accuracy (steps divided by steps plus wrong placements) and the time taken;</li>
<li>a spreadsheet (<code>name.csv</code>) with the same values in columns, for charts and school
reports.</li>
</ul>
<p>To look at them: main menu, <em>View Data / Delete / Add Student</em>, click the student, then
<em>Simple Format</em> or <em>Spreadsheet Format</em>.</p>

<h2 id="examples">12. The example tasks</h2>
<p>Stepwick comes with a small library of tasks so that it can be used at once. Every step has a
picture, a spoken narration and a description, and every task has a recorded introduction. Change
them, or use them as models for your own.</p>
<table>
<tr><th>Task</th><th>Category</th><th>Steps</th><th>The steps in order</th></tr>
)html";

const char* const kGuideEnd = R"html(</table>

<h2 id="files">13. Where Stepwick keeps its files</h2>
<p>All tasks, pictures, recordings, options and results live as ordinary files in one data folder:</p>
<ul>
<li>normally <code>~/.local/share/stepwick</code> in the user's home folder, filled with the example
library the first time Stepwick starts;</li>
<li>or the folder given when starting the program: <code>stepwick --app-folder FOLDER</code> (for example
a shared folder for a whole class);</li>
<li>or the program's own folder, when a copy of Stepwick is run from a memory stick together with its
data.</li>
</ul>
<table>
<tr><th>Files</th><th>What they hold</th></tr>
<tr><td><code>*.tsk</code></td><td>tasks</td></tr>
<tr><td><code>*.stp</code>, with the images they name</td><td>pictures</td></tr>
<tr><td><code>pic_*.wav</code>, <code>intro_*.wav</code></td><td>narrations and introductions</td></tr>
<tr><td><code>name.lgn</code></td><td>a student's options</td></tr>
<tr><td><code>name.sta</code>, <code>name.csv</code></td><td>a student's results</td></tr>
<tr><td><code>aobj_*</code></td><td>the program's own pictures, sounds and texts</td></tr>
</table>
<p>To back up everything, copy the whole folder. To move a task to another computer, copy its
<code>.tsk</code> file, the <code>.stp</code> files of its pictures, their images and recordings.</p>
)html";

const char* const kCredits = R"html(
<h1>Credits</h1>
<p>Stepwick is a teaching program for students who learn the order of the steps of everyday
tasks. Its pictures, sounds, tunes, example tasks and this text were all made for it. It is built
with the help of the free software and fonts below; thank you to everyone who works on them.</p>

<h2>Software</h2>
<table>
<tr><th>Part</th><th>What it does in Stepwick</th><th>Licence</th></tr>
<tr><td>Qt 6 (The Qt Company and the Qt Project)</td><td>windows, pictures, printing, sound and video
playback</td><td>GNU Lesser General Public License, version 3</td></tr>
<tr><td>eSpeak NG (Jonathan Duddington, Reece H. Dunn and contributors)</td><td>the speech synthesizer;
its voice speaks the supplied sentences and narrations, and steps that have no recording</td>
<td>GNU General Public License, version 3 or later</td></tr>
<tr><td>libsndfile (Erik de Castro Lopo and contributors)</td><td>reading and writing sound
files</td><td>GNU Lesser General Public License, version 2.1 or later</td></tr>
<tr><td>GIFLIB (Eric S. Raymond and contributors)</td><td>writing the GIF pictures of the scanning
pointer and arrows when Stepwick's content is made</td><td>MIT License</td></tr>
<tr><td>GStreamer (the GStreamer team)</td><td>playing video clips and sound through Qt
Multimedia</td><td>GNU Lesser General Public License, version 2.1 or later</td></tr>
</table>

<h2>Fonts and pictograms</h2>
<table>
<tr><th>Font</th><th>Used for</th><th>Licence</th></tr>
<tr><td>DejaVu Sans (the DejaVu fonts team, based on Bitstream Vera)</td><td>all lettering on buttons
and pictures</td><td>Bitstream Vera Fonts Copyright licence, with the DejaVu changes in the public
domain</td></tr>
<tr><td>Noto Color Emoji (Google)</td><td>the pictograms on the example tasks' pictures, the pointing
hands and several buttons</td><td>SIL Open Font License, version 1.1 (the font); Apache License 2.0
(its images and tools)</td></tr>
</table>

<h2>Voice</h2>
<p>The supplied spoken sentences, the narrations and the introductions of the example tasks are spoken
by the American English voice of eSpeak NG. Teachers can replace every one of them with their own
recordings (see the User Guide, "Your own voice").</p>

<h2>Sounds and pictures</h2>
<p>The gong, the star chime, the reward tunes, the click of a dropped picture and the tune of the
example video were synthesized for Stepwick. All pictures were drawn for Stepwick with Qt, using the
fonts above.</p>
)html";

}  // namespace

QString userGuideHtml() {
    return page(QStringLiteral("Stepwick User Guide"),
                QString::fromUtf8(kGuideStart) + demoTaskRows() + QString::fromUtf8(kGuideEnd));
}

QString creditsHtml() {
    return page(QStringLiteral("Stepwick Credits"), QString::fromUtf8(kCredits));
}

Status writeDocuments(ContentOutput& out, int edition) {
    if (Status s = out.writeBytes(kProgramTypeFile, numberLine(edition)); !s) return s;
    if (Status s = writeReviewWord(QStringLiteral("Review")); !s) return s;
    // The teacher's options come from the same defaults the program falls back on; their speed is
    // negative, so that the first start measures this computer.
    StudentOptions = defaultStudentOptions();
    if (StudentOptions.AnimationSpeed >= 0) StudentOptions.AnimationSpeed = -1;
    if (Status s = saveStudentOptions(QStringLiteral("teacher")); !s) return s;
    if (Status s = out.writeBytes(kUserGuideFile, withCrLf(userGuideHtml())); !s) return s;
    return out.writeBytes(kCreditsFile, withCrLf(creditsHtml()));
}
