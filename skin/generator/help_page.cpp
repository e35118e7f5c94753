#include "help_page.h"

namespace quovex::skin_gen {

QString HelpPage(const QString& version) {
    QString page = QStringLiteral(R"HTML(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Quovex help</title>
<style>
  body { background: #14161b; color: #e4e4e4; font-family: "DejaVu Sans", "Noto Sans", sans-serif;
         line-height: 1.55; margin: 0; }
  main { max-width: 860px; margin: 0 auto; padding: 24px 32px 48px; }
  h1 { font-size: 1.7em; margin-bottom: 0; }
  h1 span { color: #2ec5ff; }
  .version { color: #8c93a0; margin-top: 4px; }
  h2 { color: #2ec5ff; border-bottom: 1px solid #272b34; padding-bottom: 4px; margin-top: 2em; }
  h3 { margin-bottom: 0.3em; }
  nav a, a { color: #2ec5ff; }
  nav ul { columns: 2; }
  dt { font-weight: bold; margin-top: 0.6em; }
  dd { margin-left: 1.4em; color: #c9ced6; }
  kbd { background: #2b303a; border: 1px solid #3a404d; border-radius: 4px; padding: 0 5px; font-size: 0.9em; }
  .note { background: #1b1e25; border-left: 3px solid #2ec5ff; padding: 8px 14px; }
</style>
</head>
<body>
<main>
<h1><span>Quovex</span> help</h1>
<p class="version">Version @VERSION@ &middot; settings for the Orbel Deck gaming keyboard (USB 0C45:5004)</p>

<nav><ul>
<li><a href="#start">Starting and the tray icon</a></li>
<li><a href="#main">The main window</a></li>
<li><a href="#keyboard">The keyboard picture</a></li>
<li><a href="#profiles">Profiles</a></li>
<li><a href="#lighting">Lighting</a></li>
<li><a href="#assign">Assigning a key</a></li>
<li><a href="#macros">Macros</a></li>
<li><a href="#profiledlg">The profile list</a></li>
<li><a href="#update">Firmware update</a></li>
<li><a href="#files">Files and languages</a></li>
</ul></nav>

<h2 id="start">Starting and the tray icon</h2>
<p>Quovex lives in the notification area (tray). When it starts and the keyboard is connected, it opens its
window once; later you open it from the tray icon. The icon shows the keyboard's state:</p>
<dl>
<dt>Keyboard with a red slash</dt><dd>No keyboard is connected.</dd>
<dt>Keyboard with a blue outline</dt><dd>The keyboard is connected.</dd>
<dt>Glowing keyboard</dt><dd>The keyboard reports an event.</dd>
</dl>
<p>Click the icon once to choose one of the keyboard's three profiles, double-click it to open the window, and
right-click it for <b>Open</b>, <b>About</b> and <b>Exit</b>.</p>
<p>Started with <kbd>/Start</kbd> the window stays closed; <kbd>/Kill</kbd> closes a running Quovex. Starting
Quovex a second time brings the running one to the front.</p>

<h2 id="main">The main window</h2>
<p>Drag the window by any free spot of its background. The buttons at the top right open the menu (import and
export of profile files, About), this help, minimise the window and close Quovex. The logo at the top left opens
the web site.</p>
<dl>
<dt>OK</dt><dd>Sends every change to the keyboard and hides the window.</dd>
<dt>Cancel</dt><dd>Hides the window; changes that were not applied stay in the window until you apply or switch
profiles.</dd>
<dt>Apply</dt><dd>Saves your changes and writes them into the keyboard. It is enabled only while there is
something to apply; the small bar beside it runs while the keyboard is written.</dd>
</dl>
<p class="note">Changes to keys and macros reach the keyboard only with <b>Apply</b> or <b>OK</b>. Lighting
changes are sent at once.</p>

<h2 id="keyboard">The keyboard picture</h2>
<p>Every key of the keyboard is a button in the picture: the 104 keys, the big Enter, the <kbd>Fn</kbd> key and the
nine G keys in the column on the left. Hover a key to see what it is set to; keys that carry an assignment show
a blue legend and a small bar.</p>
<dl>
<dt>Clicking a key</dt><dd>Opens the key assignment window for that key (see below). While the lighting view
is on, a click paints the key instead (in the Custom lighting effect).</dd>
<dt>G keys and banks</dt><dd>The G keys have two banks, A and B; the keyboard switches between them. The
<b>BANK</b> light above the number pad shows the active bank, and each bank keeps its own assignments. G9 is the
macro key: it and the <b>Macros</b> button open the macro editor directly.</dd>
<dt>Lock lights</dt><dd>NUM, CAPS and SCRL show the keyboard's lock keys.</dd>
<dt>Arrows beside F1 to F4</dt><dd>Flip the view of the function-key area.</dd>
<dt>Switch to key lights view / key functions view</dt><dd>The wide button under the keyboard switches the
picture between the key functions (normal) and the key lights view, in which a click turns a key's light on or
off for the active profile; lit keys glow.</dd>
<dt>Default</dt><dd>Restores the keyboard's default key functions (and, with the lighting view on, its default
lighting) after asking, and applies them.</dd>
</dl>

<h2 id="profiles">Profiles</h2>
<p>The keyboard keeps three profiles, each with its own keys, macros and lighting. The buttons
<b>Profile 1</b> to <b>Profile 3</b> switch the keyboard to that profile; the active one is highlighted. The tilted
tag beside them shows the active profile's name; click it to open the <a href="#profiledlg">profile list</a>. If
you switch while changes are not applied yet, Quovex asks whether to save them first.</p>

<h2 id="lighting">Lighting</h2>
<p>The panel on the left sets the backlight of the active profile. Every change is sent to the keyboard at once.</p>
<dl>
<dt>Colour wheel and R, G, B</dt><dd>Click the wheel to pick a colour, or type red, green and blue values from 0
to 255. The colour goes to the effect colour, or in the Custom effect to the paint or base colour.</dd>
<dt>Lighting</dt><dd>The switch turns the lighting view on: the effect controls appear and the keyboard picture
shows a preview of the effect.</dd>
<dt>Effect list</dt><dd>Chooses the lighting effect. Only the controls the effect uses are shown.</dd>
<dt>Brightness and Speed</dt><dd>Drag the sliders; five steps each.</dd>
<dt>Direction</dt><dd>Left or right, up or down, or spreading and gathering, depending on the effect.</dd>
<dt>Color and Multicolor</dt><dd>The effect's colour, or many colours at once when Multicolor is pressed.</dd>
<dt>Four colours</dt><dd>The Four colors effect offers red, yellow, green and blue swatches.</dd>
<dt>Custom</dt><dd>Every key gets a colour of its own. Choose one of ten presets (type in the list to rename it),
pick the paint colour and the base colour, choose the brush (paint colour) or the bucket (base colour) and click
keys in the picture. Keys painted with the bucket follow later changes of the base colour.</dd>
<dt>Report rate</dt><dd>How often the keyboard reports to the computer, in times per second.</dd>
</dl>

<h2 id="assign">Assigning a key</h2>
<p>The key assignment window opens beside the key you clicked. Choose a page with the tabs:</p>
<dl>
<dt>Key</dt><dd>Press the key that this key should send; it appears in the field. Windows and menu keys are
caught too. The keyboard button at the top opens the on-screen keyboard.</dd>
<dt>Macro</dt><dd>Makes the key play a macro (see below).</dd>
<dt>Multimedia</dt><dd>Play/Pause, volume, browser and program keys.</dd>
<dt>Shortcut</dt><dd>Open, Save, Copy, Paste and other shortcuts.</dd>
</dl>
<p>The round arrow at the top gives the key back its default function. <b>Apply</b> keeps the window open,
<b>OK</b> applies and closes, <b>Cancel</b> throws the window's changes away. Enter and Esc do nothing here, so
that you can assign them.</p>

<h2 id="macros">Macros</h2>
<p>On the Macro page, choose a macro in the list or add one with <b>+</b>; type in the list to rename it; the bin
deletes it (Quovex asks first when keys use it). The table lists the macro's actions: key, press (&darr;) or
release (&uarr;), and the delay after the action in milliseconds.</p>
<dl>
<dt>Record</dt><dd>Records what you type until you press Stop. With <b>Record delays</b> ticked the real pauses
are kept; otherwise each action waits a fixed time.</dd>
<dt>Delete, Clear</dt><dd>Remove the selected action, or all actions.</dd>
<dt>To top, Up, Down, To bottom</dt><dd>Move the selected action.</dd>
<dt>Repeat count</dt><dd>How often the macro plays, 1 to 255.</dd>
<dt>Editing</dt><dd>Double-click a cell to change the key, the action or the delay (up to 40000 ms, in steps of
10 ms).</dd>
</dl>
<p class="note">Macros live in the keyboard's own memory. When they do not fit, Quovex says so when you
apply.</p>

<h2 id="profiledlg">The profile list</h2>
<p>Opened from the profile tag. It lists the keyboard's profiles; the ticked row is the one to activate.</p>
<dl>
<dt>Add</dt><dd>Creates a new profile file (extension <code>.qvx</code>) with the default settings.</dd>
<dt>Load</dt><dd>Adds an existing profile file to the list.</dd>
<dt>Delete</dt><dd>Removes the selected row from the list (the file stays).</dd>
<dt>Apply, OK</dt><dd>Activate the ticked profile and read the keyboard again; OK also closes the window.</dd>
<dt>Cancel</dt><dd>Closes without changing anything.</dd>
</dl>
<p>Profile files can also be exported and imported from the main window's menu.</p>

<h2 id="update">Firmware update</h2>
<p>The update window is opened by the keyboard maker's tools, not from a menu. It hands the keyboard over to an
outside update program.</p>
<dl>
<dt>Choose&hellip;</dt><dd>Selects the update program (from the Package folder).</dd>
<dt>Back up</dt><dd>Saves your profile to a file first.</dd>
<dt>Update</dt><dd>Puts the keyboard into update mode and starts the update program. Keep the keyboard plugged
in until it has finished.</dd>
<dt>Cancel</dt><dd>Forgets the chosen program and closes the window.</dd>
</dl>

<h2 id="files">Files and languages</h2>
<ul>
<li>Your settings live in the <i>Gaming Keyboard</i> folder of your documents folder: the working profile, the
colour presets and <code>lxkb.ini</code>.</li>
<li>The look of every window comes from the <code>Skins</code> folder next to the program.</li>
<li>Texts come from <code>Skins/language.ini</code>: set <code>language=1</code> in its <code>[LANGUAGE]</code>
section for English, <code>language=0</code> for Chinese. Quovex reads the change at its next start.</li>
</ul>
</main>
</body>
</html>
)HTML");
    page.replace(QStringLiteral("@VERSION@"), version.toHtmlEscaped());
    return page;
}

void GenerateHelp(OutputFolder& out, const QString& version) { out.Text(QStringLiteral("index.html"), HelpPage(version)); }

}  // namespace quovex::skin_gen
