<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Application Name: </source>
        <translation>Programmname: </translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version: </translation>
    </message>
    <message>
        <source> - Date: </source>
        <translation> - Datum: </translation>
    </message>
    <message>
        <source>Written by: Sample Author - From: Exampleland/Example City</source>
        <translation>Geschrieben von: Sample Author - Aus: Exampleland/Example City</translation>
    </message>
    <message>
        <source>Phone: +1 555 0100</source>
        <translation>Telefon: +1 555 0100</translation>
    </message>
    <message>
        <source>EMail: author@example.com</source>
        <translation>E-Mail: author@example.com</translation>
    </message>
    <message>
        <source>EMail: halvero@example.com</source>
        <translation>E-Mail: halvero@example.com</translation>
    </message>
    <message>
        <source>EMail: support@example.com</source>
        <translation>E-Mail: support@example.com</translation>
    </message>
    <message>
        <source>EMail: news@example.com</source>
        <translation>E-Mail: news@example.com</translation>
    </message>
    <message>
        <source>Homepage: http://www.example.com/</source>
        <translation>Homepage: http://www.example.com/</translation>
    </message>
    <message>
        <source>You can download new versions in http://download.example.com/, In FREE utilities part</source>
        <translation>Neue Versionen gibt es unter http://download.example.com/, im Bereich der kostenlosen Programme</translation>
    </message>
    <message>
        <source>By the way, I recommend you contact me for joining my mailling list to recieve newer versions...</source>
        <translation>Übrigens: Für neue Versionen schreiben Sie mir, ich nehme Sie in meine Mailingliste auf...</translation>
    </message>
    <message>
        <source>IT&apos;S FREE!</source>
        <translation>KOSTENLOS!</translation>
    </message>
</context>
<context>
    <name>BorderlessForm</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ColorBoxes</name>
    <message>
        <source>normal item</source>
        <translation>normaler Menüpunkt</translation>
    </message>
    <message>
        <source>hovered item</source>
        <translation>Menüpunkt unter dem Zeiger</translation>
    </message>
    <message>
        <source>%1 %2:1</source>
        <translation>%1 %2:1</translation>
    </message>
    <message>
        <source>Hard to read in the page: %1, text on background (4.5:1 or more reads well).</source>
        <translation>Auf der Seite schwer lesbar: %1, Text auf Hintergrund (ab 4,5:1 gut lesbar).</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Write the page to PAGE (&quot;-&quot; for standard output) and exit, without a window or a display.</source>
        <translation>Die Seite nach PAGE schreiben („-“ für die Standardausgabe) und beenden, ohne Fenster und ohne Bildschirm.</translation>
    </message>
    <message>
        <source>With --write: take the settings from FILE instead of the defaults.</source>
        <translation>Mit --write: die Einstellungen aus FILE statt der Vorgaben nehmen.</translation>
    </message>
    <message>
        <source>With --write, --site or --save: give the menu the look NAME (see --looks) after FILE and before --set: its page style and every setting of its appearance; the items, the status bar, the target and the site stay.</source>
        <translation>Mit --write, --site oder --save: dem Menü die Vorlage NAME geben (siehe --looks), nach FILE und vor --set: ihren Seitenstil und jede Einstellung ihres Aussehens; Menüpunkte, Statusleiste, Ziel und Website bleiben.</translation>
    </message>
    <message>
        <source>With --write or --site: set one setting, after FILE; KEY is its group and key as in the settings file (menu.itemCount, normal.fontColor, page.barColor); every key is listed below.</source>
        <translation>Mit --write oder --site: eine Einstellung setzen, nach FILE; KEY ist ihre Gruppe und ihr Schlüssel wie in der Einstellungsdatei (menu.itemCount, normal.fontColor, page.barColor); alle Schlüssel stehen unten.</translation>
    </message>
    <message>
        <source>With --write: take the menu&apos;s items from FILE (&quot;-&quot; for standard input), one a line: label&lt;TAB&gt;link[&lt;TAB&gt;tooltip[&lt;TAB&gt;target]], a sub-menu&apos;s items after their parent with one &gt; a level before the label (&quot;&gt; Web design&lt;TAB&gt;web.html&quot;); blank lines and lines starting with # are skipped. They replace the settings file&apos;s items; the page shows them (at most 20 at the top; the classic page shows no sub-menus).</source>
        <translation>Mit --write: die Menüpunkte aus FILE nehmen („-“ für die Standardeingabe), einer pro Zeile: Beschriftung&lt;TAB&gt;Link[&lt;TAB&gt;Tooltip[&lt;TAB&gt;Ziel]], die Punkte eines Untermenüs nach ihrem übergeordneten Punkt, mit einem &gt; je Ebene vor der Beschriftung („&gt; Webdesign&lt;TAB&gt;web.html“); leere Zeilen und Zeilen, die mit # beginnen, werden übersprungen. Sie ersetzen die Menüpunkte der Einstellungsdatei; die Seite zeigt sie (höchstens 20 oben; die klassische Seite zeigt keine Untermenüs).</translation>
    </message>
    <message>
        <source>Take the menu&apos;s items from the navigation of an existing page, as --items does from a list: the page&apos;s first &lt;nav&gt; (or, for PAGE#ID, the &lt;nav&gt; or &lt;ul&gt; with that id), its nested lists three levels deep, each link&apos;s label, address and target; links are rewritten from the page&apos;s folder to the site&apos;s root (page.siteFolder, or the page&apos;s folder). What was read is listed on standard error.</source>
        <translation>Die Menüpunkte aus der Navigation einer vorhandenen Seite nehmen, wie --items aus einer Liste: das erste &lt;nav&gt; der Seite (oder, für PAGE#ID, das &lt;nav&gt; oder &lt;ul&gt; mit dieser id), seine verschachtelten Listen bis drei Ebenen tief, die Beschriftung, Adresse und das Ziel jedes Links; Links werden vom Ordner der Seite auf die Wurzel der Website umgeschrieben (page.siteFolder oder der Ordner der Seite). Was gelesen wurde, steht in der Standardfehlerausgabe.</translation>
    </message>
    <message>
        <source>Keep the settings as given (--settings, then --items or --import, then --set) in the settings file FILE, replaced whole; alone, or with --write or --site.</source>
        <translation>Die Einstellungen wie angegeben (--settings, dann --items oder --import, dann --set) in der Einstellungsdatei FILE sichern, die ganz ersetzt wird; allein oder mit --write oder --site.</translation>
    </message>
    <message>
        <source>With --write: the page&apos;s style, classic (the XHTML page, the default) or modern (HTML5 and CSS; a small inline script for sub-menus).</source>
        <translation>Mit --write: der Stil der Seite, classic (die XHTML-Seite, die Vorgabe) oder modern (HTML5 und CSS; ein kleines eingebettetes Skript für Untermenüs).</translation>
    </message>
    <message>
        <source>With --write: write only the modern menu&apos;s &lt;style&gt; and &lt;nav&gt;, to paste into an existing page; --fragment style writes the &lt;style&gt; alone (for the page&apos;s &lt;head&gt;), --fragment nav the &lt;nav&gt; and its script alone.</source>
        <translation>Mit --write: nur &lt;style&gt; und &lt;nav&gt; des modernen Menüs schreiben, zum Einfügen in eine vorhandene Seite; --fragment style schreibt das &lt;style&gt; allein (für den &lt;head&gt; der Seite), --fragment nav das &lt;nav&gt; und sein Skript allein.</translation>
    </message>
    <message>
        <source>With --write: mark the first item that links to LINK as the page the menu is on (aria-current in the modern page), and no other.</source>
        <translation>Mit --write: den ersten Menüpunkt, der auf LINK führt, als die Seite markieren, auf der das Menü steht (aria-current auf der modernen Seite), und keinen anderen.</translation>
    </message>
    <message>
        <source>Write the menu into every .html and .htm page under DIR, sub-folders included (hidden folders and links leading out of DIR left alone), between the markers &lt;!-- halvero-menu --&gt; and &lt;!-- /halvero-menu --&gt; and its style between &lt;!-- halvero-menu-style --&gt; and &lt;!-- /halvero-menu-style --&gt;, its breadcrumb trail between &lt;!-- halvero-breadcrumb --&gt; and &lt;!-- /halvero-breadcrumb --&gt;, each page with its own current item and links; pages without markers are named and left alone (see --adopt), and so are those page.siteExclude names. Without DIR (last, or &quot;&quot;), the settings file&apos;s page.siteFolder. Takes --settings, --items and --set as --write does.</source>
        <translation>Das Menü in jede .html- und .htm-Seite unter DIR schreiben, Unterordner eingeschlossen (versteckte Ordner und Verknüpfungen, die aus DIR hinausführen, bleiben unberührt), zwischen die Marken &lt;!-- halvero-menu --&gt; und &lt;!-- /halvero-menu --&gt;, seinen Stil zwischen &lt;!-- halvero-menu-style --&gt; und &lt;!-- /halvero-menu-style --&gt;, seine Brotkrumenleiste zwischen &lt;!-- halvero-breadcrumb --&gt; und &lt;!-- /halvero-breadcrumb --&gt;, jede Seite mit ihrem eigenen aktuellen Menüpunkt und ihren Links; Seiten ohne Marken werden genannt und bleiben unberührt (siehe --adopt), ebenso die, die page.siteExclude nennt. Ohne DIR (zuletzt, oder &quot;&quot;) der page.siteFolder der Einstellungsdatei. Nimmt --settings, --items und --set wie --write.</translation>
    </message>
    <message>
        <source>With --site: write nothing; show how each page&apos;s menu differs from what the settings make (a short diff), and exit with 1 when one does, when a page has no markers (and is not excluded), or when an item&apos;s link leads to no file of the site.</source>
        <translation>Mit --site: nichts schreiben; zeigen, wie das Menü jeder Seite von dem abweicht, was die Einstellungen ergeben (ein kurzer Diff), und mit 1 enden, wenn eines abweicht, wenn eine Seite keine Marken hat (und nicht ausgeschlossen ist) oder wenn der Link eines Menüpunkts auf keine Datei der Website führt.</translation>
    </message>
    <message>
        <source>With --site: in each page without markers, put the menu in place of the &lt;nav&gt; whose links are most of the menu&apos;s, between the markers, and the style markers before &lt;/head&gt;; pages where none is found are named and left alone. With --check, say what it would do.</source>
        <translation>Mit --site: in jeder Seite ohne Marken das Menü an die Stelle des &lt;nav&gt; setzen, dessen Links zum größten Teil die des Menüs sind, zwischen die Marken, und die Stilmarken vor &lt;/head&gt;; Seiten, in denen keines gefunden wird, werden genannt und bleiben unberührt. Mit --check sagen, was es tun würde.</translation>
    </message>
    <message>
        <source>List the looks --look takes, one a line: its name, a tab and what it looks like.</source>
        <translation>Die Vorlagen auflisten, die --look nimmt, eine pro Zeile: ihr Name, ein Tabulator und wie sie aussieht.</translation>
    </message>
    <message>
        <source>Builds the page of a web site&apos;s navigation menu.

With no options, opens the window, with the settings of FILE (a
.halvero settings file) when one is given. When Halvero already runs
on this desktop, FILE opens in the running window instead.

Exit status: 0 when the page was written; 1 for bad input (an unknown
key or option, a value the page cannot take, a settings file that
cannot be read, a file the running window did not take); 2 when the
page cannot be written. With --site: 0 when every page with markers
is up to date, 1 when a page is no UTF-8 text or has broken markers
(or, with --check, differs, has no markers, or an item&apos;s link leads
to no file), 2 when a page could not be written; the other pages are
updated all the same.</source>
        <translation>Erstellt die Seite des Navigationsmenüs einer Website.

Ohne Optionen öffnet es das Fenster, mit den Einstellungen aus FILE
(einer .halvero-Einstellungsdatei), wenn eine angegeben ist. Läuft
Halvero auf diesem Desktop schon, öffnet sich FILE stattdessen im
laufenden Fenster.

Rückgabewert: 0, wenn die Seite geschrieben wurde; 1 bei falscher
Eingabe (ein unbekannter Schlüssel oder eine unbekannte Option, ein
Wert, den die Seite nicht annehmen kann, eine nicht lesbare
Einstellungsdatei, eine Datei, die das laufende Fenster nicht
annahm); 2, wenn die Seite nicht geschrieben werden kann. Mit --site:
0, wenn jede Seite mit Marken aktuell ist, 1, wenn eine Seite kein
UTF-8-Text ist oder beschädigte Marken hat (oder, mit --check,
abweicht, keine Marken hat oder der Link eines Menüpunkts auf keine
Datei führt), 2, wenn eine Seite nicht geschrieben werden konnte;
die übrigen Seiten werden trotzdem aktualisiert.</translation>
    </message>
    <message>
        <source>A settings file to open.</source>
        <translation>Eine Einstellungsdatei zum Öffnen.</translation>
    </message>
    <message>
        <source>--looks goes alone</source>
        <translation>--looks steht allein</translation>
    </message>
    <message>
        <source>--%1 is given once</source>
        <translation>--%1 wird nur einmal angegeben</translation>
    </message>
    <message>
        <source>--%1 needs a file name</source>
        <translation>--%1 braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--%1 goes with --site DIR</source>
        <translation>--%1 gehört zu --site DIR</translation>
    </message>
    <message>
        <source>--items and --import both give the items; take one</source>
        <translation>--items und --import geben beide die Menüpunkte an; nehmen Sie eines</translation>
    </message>
    <message>
        <source>--look: no look &apos;%1&apos; (the looks are %2)</source>
        <translation>--look: keine Vorlage „%1“ (die Vorlagen sind %2)</translation>
    </message>
    <message>
        <source>--%1 does not go with --site (every page gets the modern menu, marked for itself)</source>
        <translation>--%1 passt nicht zu --site (jede Seite bekommt das moderne Menü, für sich markiert)</translation>
    </message>
    <message>
        <source>--site writes the modern menu into pages; --style is modern there</source>
        <translation>--site schreibt das moderne Menü in Seiten; --style ist dort modern</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (the settings file goes after --settings)</source>
        <translation>unerwartetes Argument „%1“ (die Einstellungsdatei steht nach --settings)</translation>
    </message>
    <message>
        <source>--fragment writes style and navigation, or one of them: --fragment style or --fragment nav, not &apos;%1&apos;</source>
        <translation>--fragment schreibt Stil und Navigation oder eines davon: --fragment style oder --fragment nav, nicht „%1“</translation>
    </message>
    <message>
        <source>--style is classic or modern, not &apos;%1&apos;</source>
        <translation>--style ist classic oder modern, nicht „%1“</translation>
    </message>
    <message>
        <source>--fragment writes the modern menu&apos;s code; the classic page has none (leave out --style classic)</source>
        <translation>--fragment schreibt den Code des modernen Menüs; die klassische Seite hat keinen (lassen Sie --style classic weg)</translation>
    </message>
    <message>
        <source>--%1 goes with --write PAGE</source>
        <translation>--%1 gehört zu --write PAGE</translation>
    </message>
    <message>
        <source>--%1 goes with --write PAGE, --site DIR or --save FILE</source>
        <translation>--%1 gehört zu --write PAGE, --site DIR oder --save FILE</translation>
    </message>
    <message>
        <source>one settings file at a time</source>
        <translation>eine Einstellungsdatei auf einmal</translation>
    </message>
    <message>
        <source>
Keys for --set, with what each may hold and its default:
</source>
        <translation>
Schlüssel für --set, mit dem, was jeder enthalten darf, und seiner Vorgabe:
</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Try &apos;halvero --help&apos;.</source>
        <translation>„halvero --help“ zeigt mehr.</translation>
    </message>
</context>
<context>
    <name>EntryEditing</name>
    <message>
        <source>%1: the value %2; the page keeps %3</source>
        <translation>%1: der Wert %2; die Seite behält %3</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Halvero settings files (*.halvero)</source>
        <translation>Halvero-Einstellungsdateien (*.halvero)</translation>
    </message>
    <message>
        <source>Web pages (*.htm *.html)</source>
        <translation>Webseiten (*.htm *.html)</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Write page to</source>
        <translation>Seite schreiben nach</translation>
    </message>
    <message>
        <source>Write menu code to</source>
        <translation>Menücode schreiben nach</translation>
    </message>
    <message>
        <source>Import navigation from</source>
        <translation>Navigation importieren aus</translation>
    </message>
    <message>
        <source>%1 (in %2)</source>
        <translation>%1 (in %2)</translation>
    </message>
    <message>
        <source>this menu</source>
        <translation>dieses Menü</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don&apos;t save them.</source>
        <translation>Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>The settings file could not be opened.</source>
        <translation>Die Einstellungsdatei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The menu shows all of its own items (%1).</source>
        <translation>Das Menü zeigt alle seine eigenen Menüpunkte (%1).</translation>
    </message>
    <message>
        <source>%1 gives Menu Item Count %2, which is not the number of its items. Save it to keep the count of its items.</source>
        <translation>%1 gibt als Anzahl der Menüpunkte %2 an, was nicht die Zahl seiner Menüpunkte ist. Speichern Sie die Datei, um die Zahl ihrer Menüpunkte zu behalten.</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> und %n weitere</numerusform>
            <numerusform> und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>The settings file was opened, but Halvero does not know some of its keys and left them out.</source>
        <translation>Die Einstellungsdatei wurde geöffnet, aber Halvero kennt einige ihrer Schlüssel nicht und hat sie weggelassen.</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it.</source>
        <translation>%1 wurde seit dem Öffnen von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <source>Overwrite it with your menu, or reload it and lose your changes?</source>
        <translation>Mit Ihrem Menü überschreiben oder neu laden und Ihre Änderungen verlieren?</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Überschreiben</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 is a whole web page.</source>
        <translation>%1 ist eine ganze Webseite.</translation>
    </message>
    <message>
        <source>Writing the menu code there replaces the whole page with the menu alone. To put the menu into the page, use Copy Menu Code and paste it. Replace the page?</source>
        <translation>Den Menücode dorthin zu schreiben, ersetzt die ganze Seite durch das Menü allein. Um das Menü in die Seite zu setzen, nehmen Sie „Menücode kopieren“ und fügen ihn ein. Die Seite ersetzen?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Keep the page</source>
        <translation>Seite &amp;behalten</translation>
    </message>
    <message>
        <source>The menu code could not be written.</source>
        <translation>Der Menücode konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Menu code written to %1</source>
        <translation>Menücode geschrieben nach %1</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>Die Seite konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Page written to %1</source>
        <translation>Seite geschrieben nach %1</translation>
    </message>
    <message>
        <source>The navigation of %1 cannot be read</source>
        <translation>Die Navigation von %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Import Navigation</source>
        <translation>Navigation importieren</translation>
    </message>
    <message>
        <source>%1 holds a navigation of %2 items. Replace the menu&apos;s items with them?</source>
        <translation>%1 enthält eine Navigation mit %2 Menüpunkten. Die Menüpunkte des Menüs durch sie ersetzen?</translation>
    </message>
    <message>
        <source>&amp;Replace Items</source>
        <translation>Menüpunkte &amp;ersetzen</translation>
    </message>
    <message>
        <source>%1 items read from %2</source>
        <translation>%1 Menüpunkte aus %2 gelesen</translation>
    </message>
</context>
<context>
    <name>LivePreviewDock</name>
    <message>
        <source>Live Preview</source>
        <translation>Live-Vorschau</translation>
    </message>
    <message>
        <source>Ph&amp;one</source>
        <translation>&amp;Telefon</translation>
    </message>
    <message>
        <source>As on a phone, 375 pixels wide</source>
        <translation>Wie auf einem Telefon, 375 Pixel breit</translation>
    </message>
    <message>
        <source>&amp;Tablet</source>
        <translation>T&amp;ablet</translation>
    </message>
    <message>
        <source>As on a tablet, 768 pixels wide</source>
        <translation>Wie auf einem Tablet, 768 Pixel breit</translation>
    </message>
    <message>
        <source>F&amp;ill</source>
        <translation>&amp;Füllen</translation>
    </message>
    <message>
        <source>As wide as the dock</source>
        <translation>So breit wie der Bereich</translation>
    </message>
    <message>
        <source>Sho&amp;w:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <source>The menu alone, or in one of the site&apos;s pages as Update Site writes it</source>
        <translation>Das Menü allein oder in einer der Seiten der Website, wie „Website aktualisieren“ sie schreibt</translation>
    </message>
    <message>
        <source>The preview is starting…</source>
        <translation>Die Vorschau startet…</translation>
    </message>
    <message>
        <source>The preview could not be started: %1</source>
        <translation>Die Vorschau konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>The menu alone</source>
        <translation>Das Menü allein</translation>
    </message>
</context>
<context>
    <name>LivePreviewView</name>
    <message>
        <source>This item leads to %1</source>
        <translation>Dieser Menüpunkt führt zu %1</translation>
    </message>
</context>
<context>
    <name>LookDialog</name>
    <message>
        <source>Services</source>
        <translation>Leistungen</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Gestaltung</translation>
    </message>
    <message>
        <source>Hosting</source>
        <translation>Hosting</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über uns</translation>
    </message>
    <message>
        <source>New From Look</source>
        <translation>Neu aus Vorlage</translation>
    </message>
    <message>
        <source>Apply Look</source>
        <translation>Vorlage anwenden</translation>
    </message>
    <message>
        <source>A new menu in the look you pick; a modern look&apos;s links open in the same tab.</source>
        <translation>Ein neues Menü in der gewählten Vorlage; die Links einer modernen Vorlage öffnen sich im selben Tab.</translation>
    </message>
    <message>
        <source>The look you pick replaces the menu&apos;s colours, fonts, sizes and page style; its items, target and site stay. Undo takes it back.</source>
        <translation>Die gewählte Vorlage ersetzt Farben, Schriften, Größen und Seitenstil des Menüs; Menüpunkte, Ziel und Website bleiben. „Rückgängig“ nimmt sie zurück.</translation>
    </message>
    <message>
        <source>&amp;Looks:</source>
        <translation>&amp;Vorlagen:</translation>
    </message>
    <message>
        <source>&amp;New Menu</source>
        <translation>&amp;Neues Menü</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>New From &amp;Look...</source>
        <translation>Neu aus &amp;Vorlage...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Write Page To...</source>
        <translation>Seite s&amp;chreiben nach...</translation>
    </message>
    <message>
        <source>&amp;Import Navigation...</source>
        <translation>Navigation &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Menu &amp;Items...</source>
        <translation>Menü&amp;punkte...</translation>
    </message>
    <message>
        <source>&amp;Create Page File</source>
        <translation>Seiten&amp;datei erstellen</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Live Preview</source>
        <translation>&amp;Live-Vorschau</translation>
    </message>
    <message>
        <source>Page &amp;Style...</source>
        <translation>Seiten&amp;stil...</translation>
    </message>
    <message>
        <source>Apply Loo&amp;k...</source>
        <translation>Vorlage an&amp;wenden...</translation>
    </message>
    <message>
        <source>Copy Menu &amp;Code</source>
        <translation>Menü&amp;code kopieren</translation>
    </message>
    <message>
        <source>Copy St&amp;yle</source>
        <translation>St&amp;il kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;Navigation</source>
        <translation>&amp;Navigation kopieren</translation>
    </message>
    <message>
        <source>Write &amp;Fragment To...</source>
        <translation>&amp;Fragment schreiben nach...</translation>
    </message>
    <message>
        <source>&amp;Update Site...</source>
        <translation>Website &amp;aktualisieren...</translation>
    </message>
    <message>
        <source>&amp;About Halvero</source>
        <translation>Ü&amp;ber Halvero</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Page</source>
        <translation>&amp;Seite</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>MainControls</name>
    <message>
        <source>Choose %1</source>
        <translation>%1 wählen</translation>
    </message>
    <message>
        <source>The number of the menu&apos;s own items (Edit &gt; Menu Items, Ctrl+I)</source>
        <translation>Die Zahl der eigenen Menüpunkte des Menüs (Bearbeiten &gt; Menüpunkte, Strg+I)</translation>
    </message>
</context>
<context>
    <name>MainLayout</name>
    <message>
        <source>Create HTML Page File</source>
        <translation>HTML-Seitendatei erstellen</translation>
    </message>
    <message>
        <source>Preview HTML Page File</source>
        <translation>Vorschau der HTML-Seitendatei</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Menu code copied to the clipboard</source>
        <translation>Menücode in die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>Menu style copied to the clipboard: paste it into the page&apos;s &lt;head&gt;</source>
        <translation>Menüstil in die Zwischenablage kopiert: fügen Sie ihn in den &lt;head&gt; der Seite ein</translation>
    </message>
    <message>
        <source>Menu navigation copied to the clipboard: paste it where the menu goes</source>
        <translation>Menünavigation in die Zwischenablage kopiert: fügen Sie sie dort ein, wo das Menü stehen soll</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>The program&apos;s folder cannot be written, so the page was written to your own folder:</source>
        <translation>In den Ordner des Programms kann nicht geschrieben werden, daher wurde die Seite in Ihren eigenen Ordner geschrieben:</translation>
    </message>
    <message>
        <source>Page written to %1; the classic page shows the top-level items only</source>
        <translation>Seite geschrieben nach %1; die klassische Seite zeigt nur die Menüpunkte der obersten Ebene</translation>
    </message>
    <message>
        <source>Page written to %1</source>
        <translation>Seite geschrieben nach %1</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>Die Seite konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Menu Items</source>
        <translation>Menüpunkte</translation>
    </message>
    <message>
        <source>The classic page shows the top-level items only; pick Modern in Page &gt; Page Style... to show the sub-menus</source>
        <translation>Die klassische Seite zeigt nur die Menüpunkte der obersten Ebene; wählen Sie „Modern“ unter Seite &gt; Seitenstil..., um die Untermenüs zu zeigen</translation>
    </message>
    <message>
        <source>Apply Look %1</source>
        <translation>Vorlage %1 anwenden</translation>
    </message>
    <message>
        <source>Site updated: %1</source>
        <translation>Website aktualisiert: %1</translation>
    </message>
    <message>
        <source>The preview could not be opened.</source>
        <translation>Die Vorschau konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Möchten Sie beenden?</translation>
    </message>
</context>
<context>
    <name>MenuDocument</name>
    <message>
        <source>Typing</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Page Style</source>
        <translation>Seitenstil</translation>
    </message>
    <message>
        <source>Site Folder</source>
        <translation>Website-Ordner</translation>
    </message>
</context>
<context>
    <name>MenuItemsDialog</name>
    <message>
        <source>Menu Items</source>
        <translation>Menüpunkte</translation>
    </message>
    <message>
        <source>Menu items</source>
        <translation>Menüpunkte</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add an item after this one (Insert)</source>
        <translation>Einen Menüpunkt nach diesem hinzufügen (Einfg)</translation>
    </message>
    <message>
        <source>Add &amp;Sub-item</source>
        <translation>&amp;Unterpunkt hinzufügen</translation>
    </message>
    <message>
        <source>Add an item to this one&apos;s sub-menu</source>
        <translation>Einen Menüpunkt im Untermenü dieses Punkts hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Remove the selected items and their sub-menus (Delete)</source>
        <translation>Die gewählten Menüpunkte und ihre Untermenüs entfernen (Entf)</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move the item up (Alt+Up)</source>
        <translation>Den Menüpunkt nach oben schieben (Alt+Hoch)</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Nach un&amp;ten</translation>
    </message>
    <message>
        <source>Move the item down (Alt+Down)</source>
        <translation>Den Menüpunkt nach unten schieben (Alt+Runter)</translation>
    </message>
    <message>
        <source>&amp;Indent</source>
        <translation>Ei&amp;nrücken</translation>
    </message>
    <message>
        <source>Put the item in the sub-menu of the one above it (Tab, Alt+Right)</source>
        <translation>Den Menüpunkt ins Untermenü des Punkts darüber setzen (Tab, Alt+Rechts)</translation>
    </message>
    <message>
        <source>&amp;Outdent</source>
        <translation>&amp;Ausrücken</translation>
    </message>
    <message>
        <source>Take the item out of its sub-menu (Shift+Tab, Alt+Left)</source>
        <translation>Den Menüpunkt aus seinem Untermenü nehmen (Umschalt+Tab, Alt+Links)</translation>
    </message>
    <message>
        <source>Each row is one item of the menu, in the order shown; an indented row is in the sub-menu of the row above it. Paste rows copied from a spreadsheet (label, link) with Ctrl+V, &quot;&gt;&quot; before a label for each level down. Ctrl+Tab leaves the list.</source>
        <translation>Jede Zeile ist ein Menüpunkt, in der gezeigten Reihenfolge; eine eingerückte Zeile steht im Untermenü der Zeile darüber. Aus einer Tabellenkalkulation kopierte Zeilen (Beschriftung, Link) mit Strg+V einfügen, „&gt;“ vor einer Beschriftung für jede Ebene tiefer. Strg+Tab verlässt die Liste.</translation>
    </message>
    <message>
        <source>Labels and links in lan&amp;guage:</source>
        <translation>Beschriftungen und Links in &amp;Sprache:</translation>
    </message>
    <message>
        <source>A menu holds at most %1 items; this one would make it more.</source>
        <translation>Ein Menü hat höchstens %1 Menüpunkte; dieser würde es mehr machen.</translation>
    </message>
    <message>
        <source>A menu holds at most %1 items; these %2 would make it more.</source>
        <translation>Ein Menü hat höchstens %1 Menüpunkte; diese %2 würden es mehr machen.</translation>
    </message>
    <message>
        <source>A menu has at most %1 levels: this item&apos;s sub-menu would be a fourth.</source>
        <translation>Ein Menü hat höchstens %1 Ebenen: das Untermenü dieses Punkts wäre eine vierte.</translation>
    </message>
    <message>
        <source>Nothing was pasted: a list of items is a few KB, this is %1 KB.</source>
        <translation>Nichts eingefügt: eine Liste von Menüpunkten hat wenige KB, dies sind %1 KB.</translation>
    </message>
    <message>
        <source>Nothing was pasted: %1</source>
        <translation>Nichts eingefügt: %1</translation>
    </message>
    <message>
        <source>Rows after the %1th are kept but not in the page, which shows %1 items.</source>
        <translation>Zeilen nach der %1. bleiben erhalten, stehen aber nicht auf der Seite, die %1 Menüpunkte zeigt.</translation>
    </message>
    <message>
        <source>The classic page shows the top-level items only; pick Modern in Page &gt; Page Style... to show the sub-menus.</source>
        <translation>Die klassische Seite zeigt nur die Menüpunkte der obersten Ebene; wählen Sie „Modern“ unter Seite &gt; Seitenstil..., um die Untermenüs zu zeigen.</translation>
    </message>
</context>
<context>
    <name>MenuItemsModel</name>
    <message>
        <source>New tab</source>
        <translation>Neuer Tab</translation>
    </message>
    <message>
        <source>Same frame</source>
        <translation>Gleicher Rahmen</translation>
    </message>
    <message>
        <source>Parent frame</source>
        <translation>Übergeordneter Rahmen</translation>
    </message>
    <message>
        <source>Whole window</source>
        <translation>Ganzes Fenster</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>%1 (menu&apos;s Target)</source>
        <translation>%1 (Ziel des Menüs)</translation>
    </message>
    <message>
        <source>No %1 label yet: the page shows the first language&apos;s</source>
        <translation>Noch keine Beschriftung auf %1: die Seite zeigt die der ersten Sprache</translation>
    </message>
    <message>
        <source>No %1 link of its own: the page leads here, in the language&apos;s folder</source>
        <translation>Kein eigener Link auf %1: die Seite führt hierher, im Ordner der Sprache</translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation>Ebene 1</translation>
    </message>
    <message>
        <source>Level %1, in %2</source>
        <translation>Ebene %1, in %2</translation>
    </message>
    <message>
        <source>Not in the page, which shows the first %1</source>
        <translation>Nicht auf der Seite, die die ersten %1 zeigt</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Tooltip</source>
        <translation>Tooltip</translation>
    </message>
    <message>
        <source>Opens in</source>
        <translation>Öffnet in</translation>
    </message>
    <message>
        <source>Current page</source>
        <translation>Aktuelle Seite</translation>
    </message>
    <message>
        <source>The item of the page the menu is on: marked for screen readers (Space ticks it)</source>
        <translation>Der Menüpunkt der Seite, auf der das Menü steht: für Bildschirmleser markiert (Leertaste setzt das Häkchen)</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>Menüpunkt hinzufügen</translation>
    </message>
    <message>
        <source>Add Sub-item</source>
        <translation>Unterpunkt hinzufügen</translation>
    </message>
    <message>
        <source>Remove Items</source>
        <translation>Menüpunkte entfernen</translation>
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
        <source>Indent</source>
        <translation>Einrücken</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>Ausrücken</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>Menüpunkt verschieben</translation>
    </message>
</context>
<context>
    <name>MenuLook</name>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>The page of old: blue Tahoma on cream, raised borders.</source>
        <translation>Die Seite von früher: blaue Tahoma auf Creme, erhabene Ränder.</translation>
    </message>
    <message>
        <source>Brand bar</source>
        <translation>Markenleiste</translation>
    </message>
    <message>
        <source>A dark bar of white labels; sub-menus drop in a shadowed panel.</source>
        <translation>Eine dunkle Leiste mit weißen Beschriftungen; Untermenüs klappen in einem Feld mit Schatten auf.</translation>
    </message>
    <message>
        <source>Underline tabs</source>
        <translation>Unterstrichene Reiter</translation>
    </message>
    <message>
        <source>A white bar whose current item is blue and underlined, like a tab.</source>
        <translation>Eine weiße Leiste, deren aktueller Punkt blau und unterstrichen ist, wie ein Reiter.</translation>
    </message>
    <message>
        <source>Pills</source>
        <translation>Pillen</translation>
    </message>
    <message>
        <source>Rounded items on a white bar, the current one filled in indigo.</source>
        <translation>Runde Punkte auf einer weißen Leiste, der aktuelle indigo gefüllt.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Seitenleiste</translation>
    </message>
    <message>
        <source>A dark column down the page&apos;s side; sub-menus open under their items.</source>
        <translation>Eine dunkle Spalte an der Seite der Seite; Untermenüs öffnen sich unter ihren Punkten.</translation>
    </message>
</context>
<context>
    <name>PageStyleDialog</name>
    <message>
        <source>Page Style</source>
        <translation>Seitenstil</translation>
    </message>
    <message>
        <source>&amp;Classic (XHTML, as always)</source>
        <translation>&amp;Klassisch (XHTML, wie immer)</translation>
    </message>
    <message>
        <source>&amp;Modern (HTML5 and CSS)</source>
        <translation>&amp;Modern (HTML5 und CSS)</translation>
    </message>
    <message>
        <source>Page style:</source>
        <translation>Seitenstil:</translation>
    </message>
    <message>
        <source>The modern page&apos;s own look; the classic page keeps its own.</source>
        <translation>Das eigene Aussehen der modernen Seite; die klassische Seite behält ihres.</translation>
    </message>
    <message>
        <source>B&amp;ar</source>
        <translation>&amp;Leiste</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>as the item</source>
        <translation>wie der Menüpunkt</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Narrower screens show the menu button; a width such as 40em or 600px, or never</source>
        <translation>Schmalere Bildschirme zeigen die Menütaste; eine Breite wie 40em oder 600px, oder never</translation>
    </message>
    <message>
        <source>Choose the bar colour</source>
        <translation>Farbe der Leiste wählen</translation>
    </message>
    <message>
        <source>One to four lengths: all sides, or top and bottom then the sides</source>
        <translation>Eine bis vier Längen: alle Seiten, oder oben und unten, dann die Seiten</translation>
    </message>
    <message>
        <source>At the start</source>
        <translation>Am Anfang</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>At the end</source>
        <translation>Am Ende</translation>
    </message>
    <message>
        <source>Spread out</source>
        <translation>Verteilt</translation>
    </message>
    <message>
        <source>Fixed: the Menu Item Width</source>
        <translation>Fest: die Breite der Menüpunkte</translation>
    </message>
    <message>
        <source>As wide as its label</source>
        <translation>So breit wie die Beschriftung</translation>
    </message>
    <message>
        <source>Empty for the Menu Items Distance, or a length</source>
        <translation>Leer für den Abstand der Menüpunkte, oder eine Länge</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Medium (500)</source>
        <translation>Mittel (500)</translation>
    </message>
    <message>
        <source>Semi-bold (600)</source>
        <translation>Halbfett (600)</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>0 for square corners; 999px rounds the ends into pills</source>
        <translation>0 für eckige Ecken; 999px rundet die Enden zu Pillen</translation>
    </message>
    <message>
        <source>Choose the current item&apos;s text colour</source>
        <translation>Textfarbe des aktuellen Menüpunkts wählen</translation>
    </message>
    <message>
        <source>Choose the current item&apos;s background</source>
        <translation>Hintergrund des aktuellen Menüpunkts wählen</translation>
    </message>
    <message>
        <source>Sub-menu pa&amp;nel</source>
        <translation>Untermenü-&amp;Feld</translation>
    </message>
    <message>
        <source>The panel a sub-menu drops in below a bar; an empty colour is the bar&apos;s item&apos;s.</source>
        <translation>Das Feld, in dem ein Untermenü unter einer Leiste aufklappt; eine leere Farbe ist die des Menüpunkts der Leiste.</translation>
    </message>
    <message>
        <source>Choose the panel&apos;s background</source>
        <translation>Hintergrund des Felds wählen</translation>
    </message>
    <message>
        <source>Choose the panel&apos;s text colour</source>
        <translation>Textfarbe des Felds wählen</translation>
    </message>
    <message>
        <source>Choose a hovered sub-item&apos;s background</source>
        <translation>Hintergrund eines Unterpunkts unter dem Zeiger wählen</translation>
    </message>
    <message>
        <source>Choose a hovered sub-item&apos;s text colour</source>
        <translation>Textfarbe eines Unterpunkts unter dem Zeiger wählen</translation>
    </message>
    <message>
        <source>One to four lengths: the room inside the panel</source>
        <translation>Eine bis vier Längen: der Raum innerhalb des Felds</translation>
    </message>
    <message>
        <source>Choose the line between sub-items</source>
        <translation>Linie zwischen Unterpunkten wählen</translation>
    </message>
    <message>
        <source>0 for square corners</source>
        <translation>0 für eckige Ecken</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Weich</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Kräftig</translation>
    </message>
    <message>
        <source>The panel is as wide as its widest label up to this; longer labels wrap</source>
        <translation>Das Feld ist so breit wie seine breiteste Beschriftung, bis zu diesem Wert; längere Beschriftungen brechen um</translation>
    </message>
    <message>
        <source>Language and wor&amp;ds</source>
        <translation>Sprache und &amp;Wörter</translation>
    </message>
    <message>
        <source>The page&apos;s language, and the words it writes of its own for visitors and screen readers; an empty word is the language&apos;s.</source>
        <translation>Die Sprache der Seite und die Wörter, die sie selbst für Besucher und Bildschirmleser schreibt; ein leeres Wort ist das der Sprache.</translation>
    </message>
    <message>
        <source>A language tag such as en, de, pt-BR or ar</source>
        <translation>Ein Sprachkürzel wie en, de, pt-BR oder ar</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>The default language first, its folder empty for the site&apos;s root; each other in a folder of its own (de/)</source>
        <translation>Die Standardsprache zuerst, ihr Ordner leer für die Wurzel der Website; jede weitere in einem eigenen Ordner (de/)</translation>
    </message>
    <message>
        <source>Site&apos;s languages and &amp;folders:</source>
        <translation>Sprachen und &amp;Ordner der Website:</translation>
    </message>
    <message>
        <source>Add lang&amp;uage</source>
        <translation>Sprache hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Remove language</source>
        <translation>Sprache &amp;entfernen</translation>
    </message>
    <message>
        <source>Lead to the default language&apos;s page</source>
        <translation>Zur Seite der Standardsprache führen</translation>
    </message>
    <message>
        <source>Leave the item out</source>
        <translation>Den Menüpunkt weglassen</translation>
    </message>
    <message>
        <source>Lead to the language&apos;s home page</source>
        <translation>Zur Startseite der Sprache führen</translation>
    </message>
    <message>
        <source>Site&apos;s languages: %1; the menu keeps the ones before.</source>
        <translation>Sprachen der Website: %1; das Menü behält die bisherigen.</translation>
    </message>
    <message>
        <source>Site Languages</source>
        <translation>Sprachen der Website</translation>
    </message>
    <message>
        <source>%1: the value %2; the page keeps %3.</source>
        <translation>%1: der Wert %2; die Seite behält %3.</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>HTML Preview</source>
        <translation>HTML-Vorschau</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>This item leads to %1</source>
        <translation>Dieser Menüpunkt führt zu %1</translation>
    </message>
</context>
<context>
    <name>SettingTable</name>
    <message>
        <source>Menu Settings</source>
        <translation>Menüeinstellungen</translation>
    </message>
    <message>
        <source>Normal Menu Item</source>
        <translation>Normaler Menüpunkt</translation>
    </message>
    <message>
        <source>Hover Menu Item</source>
        <translation>Menüpunkt unter Zeiger</translation>
    </message>
    <message>
        <source>Page Style</source>
        <translation>Seitenstil</translation>
    </message>
    <message>
        <source>Menu Item Count</source>
        <translation>Anzahl Punkte</translation>
    </message>
    <message>
        <source>Menu Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Menu Items Distance</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Menu Item Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Menu Item Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Show URL in Statusbar</source>
        <translation>URL in Statusleiste</translation>
    </message>
    <message>
        <source>Message in Statusbar</source>
        <translation>Statusmeldung</translation>
    </message>
    <message>
        <source>Font Name</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Border Left Width</source>
        <translation>Rand links Breite</translation>
    </message>
    <message>
        <source>Border Left Type</source>
        <translation>Rand links Art</translation>
    </message>
    <message>
        <source>Border Left Color</source>
        <translation>Rand links Farbe</translation>
    </message>
    <message>
        <source>Border Top Width</source>
        <translation>Rand oben Breite</translation>
    </message>
    <message>
        <source>Border Top Type</source>
        <translation>Rand oben Art</translation>
    </message>
    <message>
        <source>Border Top Color</source>
        <translation>Rand oben Farbe</translation>
    </message>
    <message>
        <source>Border Right Width</source>
        <translation>Rand rechts Breite</translation>
    </message>
    <message>
        <source>Border Right Type</source>
        <translation>Rand rechts Art</translation>
    </message>
    <message>
        <source>Border Right Color</source>
        <translation>Rand rechts Farbe</translation>
    </message>
    <message>
        <source>Border Bottom Width</source>
        <translation>Rand unten Breite</translation>
    </message>
    <message>
        <source>Border Bottom Type</source>
        <translation>Rand unten Art</translation>
    </message>
    <message>
        <source>Border Bottom Color</source>
        <translation>Rand unten Farbe</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Fold into a menu button below</source>
        <translation>In eine Menütaste falten unter</translation>
    </message>
    <message>
        <source>Menu button label</source>
        <translation>Beschriftung der Menütaste</translation>
    </message>
    <message>
        <source>Bar colour</source>
        <translation>Farbe der Leiste</translation>
    </message>
    <message>
        <source>Item padding</source>
        <translation>Innenabstand der Punkte</translation>
    </message>
    <message>
        <source>Items on the bar</source>
        <translation>Punkte auf der Leiste</translation>
    </message>
    <message>
        <source>Item width</source>
        <translation>Breite der Punkte</translation>
    </message>
    <message>
        <source>Current item text colour</source>
        <translation>Textfarbe des aktuellen Punkts</translation>
    </message>
    <message>
        <source>Current item background</source>
        <translation>Hintergrund des aktuellen Punkts</translation>
    </message>
    <message>
        <source>Underline the current item</source>
        <translation>Aktuellen Punkt unterstreichen</translation>
    </message>
    <message>
        <source>Site served under</source>
        <translation>Website liegt unter</translation>
    </message>
    <message>
        <source>Site address</source>
        <translation>Adresse der Website</translation>
    </message>
    <message>
        <source>Pages left out</source>
        <translation>Ausgelassene Seiten</translation>
    </message>
    <message>
        <source>Skip link to</source>
        <translation>Sprunglink zu</translation>
    </message>
    <message>
        <source>One stylesheet at</source>
        <translation>Ein Stylesheet unter</translation>
    </message>
    <message>
        <source>Font weight</source>
        <translation>Schriftstärke</translation>
    </message>
    <message>
        <source>Corner radius</source>
        <translation>Eckenradius</translation>
    </message>
    <message>
        <source>Gap between items</source>
        <translation>Lücke zwischen Punkten</translation>
    </message>
    <message>
        <source>Panel width at most</source>
        <translation>Feldbreite höchstens</translation>
    </message>
    <message>
        <source>Panel background</source>
        <translation>Hintergrund des Felds</translation>
    </message>
    <message>
        <source>Panel text colour</source>
        <translation>Textfarbe des Felds</translation>
    </message>
    <message>
        <source>Panel hovered background</source>
        <translation>Hintergrund unter dem Zeiger</translation>
    </message>
    <message>
        <source>Panel hovered text colour</source>
        <translation>Textfarbe unter dem Zeiger</translation>
    </message>
    <message>
        <source>Panel padding</source>
        <translation>Innenabstand des Felds</translation>
    </message>
    <message>
        <source>Line between sub-items</source>
        <translation>Linie zwischen Unterpunkten</translation>
    </message>
    <message>
        <source>Panel corner radius</source>
        <translation>Eckenradius des Felds</translation>
    </message>
    <message>
        <source>Panel shadow</source>
        <translation>Schatten des Felds</translation>
    </message>
    <message>
        <source>Page language</source>
        <translation>Sprache der Seite</translation>
    </message>
    <message>
        <source>Menu&apos;s name</source>
        <translation>Name des Menüs</translation>
    </message>
    <message>
        <source>Sub-menu button&apos;s name</source>
        <translation>Name der Untermenü-Taste</translation>
    </message>
    <message>
        <source>New tab note</source>
        <translation>Hinweis auf neuen Tab</translation>
    </message>
    <message>
        <source>Breadcrumb&apos;s name</source>
        <translation>Name der Brotkrumenleiste</translation>
    </message>
    <message>
        <source>Skip link&apos;s text</source>
        <translation>Text des Sprunglinks</translation>
    </message>
    <message>
        <source>Language list&apos;s name</source>
        <translation>Name der Sprachliste</translation>
    </message>
    <message>
        <source>An item&apos;s page missing in a language</source>
        <translation>Seite eines Punkts fehlt in einer Sprache</translation>
    </message>
    <message>
        <source>Alternate links in the head</source>
        <translation>Alternative Links im Kopf</translation>
    </message>
</context>
<context>
    <name>SiteDialog</name>
    <message>
        <source>The Site&apos;s Folder</source>
        <translation>Der Ordner der Website</translation>
    </message>
    <message>
        <source>Put the menu in place of the &amp;navigation of pages without markers</source>
        <translation>Das Menü an die Stelle der &amp;Navigation von Seiten ohne Marken setzen</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Update Site</source>
        <translation>Website aktualisieren</translation>
    </message>
    <message>
        <source>Writes the menu into every page of the site&apos;s folder between the markers &lt;!-- halvero-menu --&gt; and &lt;!-- /halvero-menu --&gt; (and its style between &lt;!-- halvero-menu-style --&gt; and &lt;!-- /halvero-menu-style --&gt;), each page with its own current item and links. Nothing else in a page changes.</source>
        <translation>Schreibt das Menü in jede Seite im Ordner der Website zwischen die Marken &lt;!-- halvero-menu --&gt; und &lt;!-- /halvero-menu --&gt; (und seinen Stil zwischen &lt;!-- halvero-menu-style --&gt; und &lt;!-- /halvero-menu-style --&gt;), jede Seite mit ihrem eigenen aktuellen Menüpunkt und ihren Links. Sonst ändert sich nichts an einer Seite.</translation>
    </message>
    <message>
        <source>Site &amp;folder:</source>
        <translation>&amp;Ordner der Website:</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Wählen...</translation>
    </message>
    <message>
        <source>In a page without markers, the &lt;nav&gt; whose links are most of the menu&apos;s gives way to the menu and its markers.</source>
        <translation>In einer Seite ohne Marken weicht das &lt;nav&gt;, dessen Links zum größten Teil die des Menüs sind, dem Menü und seinen Marken.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Was geschieht</translation>
    </message>
    <message>
        <source>Reading the pages...</source>
        <translation>Die Seiten werden gelesen...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Wird aktualisiert...</translation>
    </message>
    <message>
        <source>No markers, and no &lt;nav&gt; with the menu&apos;s links: left alone</source>
        <translation>Keine Marken und kein &lt;nav&gt; mit den Links des Menüs: bleibt unberührt</translation>
    </message>
    <message>
        <source>Menu put in place of its &lt;nav&gt; (line %1)</source>
        <translation>Menü an die Stelle seines &lt;nav&gt; gesetzt (Zeile %1)</translation>
    </message>
    <message>
        <source>Updated (its hard link&apos;s other name keeps the old page)</source>
        <translation>Aktualisiert (der andere Name seiner harten Verknüpfung behält die alte Seite)</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Aktualisiert</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <source>Not updated (cancelled)</source>
        <translation>Nicht aktualisiert (abgebrochen)</translation>
    </message>
    <message>
        <source>Put the menu in place of its &lt;nav&gt; (line %1)</source>
        <translation>Das Menü an die Stelle seines &lt;nav&gt; setzen (Zeile %1)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>No markers: left alone</source>
        <translation>Keine Marken: bleibt unberührt</translation>
    </message>
    <message>
        <source>Excluded by the settings: left alone</source>
        <translation>Durch die Einstellungen ausgeschlossen: bleibt unberührt</translation>
    </message>
    <message>
        <source>Left alone: %1</source>
        <translation>Bleibt unberührt: %1</translation>
    </message>
    <message>
        <source>Not a page: %1</source>
        <translation>Keine Seite: %1</translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation>Nicht lesbar: %1</translation>
    </message>
    <message>
        <source>Not written: %1</source>
        <translation>Nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>The site cannot be updated now: %1</source>
        <translation>Die Website kann jetzt nicht aktualisiert werden: %1</translation>
    </message>
    <message>
        <source>Menu item</source>
        <translation>Menüpunkt</translation>
    </message>
    <message>
        <source>Cannot read this folder: %1</source>
        <translation>Dieser Ordner ist nicht lesbar: %1</translation>
    </message>
    <message>
        <source>A copy left by a write that was stopped: Update removes it</source>
        <translation>Eine Kopie, die ein abgebrochenes Schreiben hinterließ: „Aktualisieren“ entfernt sie</translation>
    </message>
    <message>
        <source>Not removed: %1</source>
        <translation>Nicht entfernt: %1</translation>
    </message>
    <message>
        <source>1 page: </source>
        <translation>1 Seite: </translation>
    </message>
    <message>
        <source>%1 pages: </source>
        <translation>%1 Seiten: </translation>
    </message>
    <message>
        <source>%1 to update, %2 unchanged</source>
        <translation>%1 zu aktualisieren, %2 unverändert</translation>
    </message>
    <message>
        <source>%1 updated, %2 unchanged</source>
        <translation>%1 aktualisiert, %2 unverändert</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>; %1 without markers</source>
        <translation>; %1 ohne Marken</translation>
    </message>
    <message>
        <source>; %1 folders not read</source>
        <translation>; %1 Ordner nicht gelesen</translation>
    </message>
    <message>
        <source> (cancelled)</source>
        <translation> (abgebrochen)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
