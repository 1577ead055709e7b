<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Application Name: </source>
        <translation>Nom du programme : </translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version : </translation>
    </message>
    <message>
        <source> - Date: </source>
        <translation> - Date : </translation>
    </message>
    <message>
        <source>Written by: Sample Author - From: Exampleland/Example City</source>
        <translation>Écrit par : Sample Author - De : Exampleland/Example City</translation>
    </message>
    <message>
        <source>Phone: +1 555 0100</source>
        <translation>Téléphone : +1 555 0100</translation>
    </message>
    <message>
        <source>EMail: author@example.com</source>
        <translation>E-mail : author@example.com</translation>
    </message>
    <message>
        <source>EMail: halvero@example.com</source>
        <translation>E-mail : halvero@example.com</translation>
    </message>
    <message>
        <source>EMail: support@example.com</source>
        <translation>E-mail : support@example.com</translation>
    </message>
    <message>
        <source>EMail: news@example.com</source>
        <translation>E-mail : news@example.com</translation>
    </message>
    <message>
        <source>Homepage: http://www.example.com/</source>
        <translation>Site web : http://www.example.com/</translation>
    </message>
    <message>
        <source>You can download new versions in http://download.example.com/, In FREE utilities part</source>
        <translation>Nouvelles versions sur http://download.example.com/, rubrique utilitaires GRATUITS</translation>
    </message>
    <message>
        <source>By the way, I recommend you contact me for joining my mailling list to recieve newer versions...</source>
        <translation>Au fait, écrivez-moi pour rejoindre ma liste de diffusion et recevoir les nouvelles versions...</translation>
    </message>
    <message>
        <source>IT&apos;S FREE!</source>
        <translation>C&apos;EST GRATUIT !</translation>
    </message>
</context>
<context>
    <name>BorderlessForm</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>ColorBoxes</name>
    <message>
        <source>normal item</source>
        <translation>élément normal</translation>
    </message>
    <message>
        <source>hovered item</source>
        <translation>élément survolé</translation>
    </message>
    <message>
        <source>%1 %2:1</source>
        <translation>%1 %2:1</translation>
    </message>
    <message>
        <source>Hard to read in the page: %1, text on background (4.5:1 or more reads well).</source>
        <translation>Difficile à lire sur la page : %1, texte sur fond (4,5:1 ou plus se lit bien).</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Write the page to PAGE (&quot;-&quot; for standard output) and exit, without a window or a display.</source>
        <translation>Écrire la page dans PAGE (« - » pour la sortie standard) et quitter, sans fenêtre ni écran.</translation>
    </message>
    <message>
        <source>With --write: take the settings from FILE instead of the defaults.</source>
        <translation>Avec --write : prendre les réglages dans FILE plutôt que les valeurs par défaut.</translation>
    </message>
    <message>
        <source>With --write, --site or --save: give the menu the look NAME (see --looks) after FILE and before --set: its page style and every setting of its appearance; the items, the status bar, the target and the site stay.</source>
        <translation>Avec --write, --site ou --save : donner au menu le thème NAME (voir --looks) après FILE et avant --set : son style de page et chaque réglage de son apparence ; les éléments, la barre d&apos;état, la cible et le site restent.</translation>
    </message>
    <message>
        <source>With --write or --site: set one setting, after FILE; KEY is its group and key as in the settings file (menu.itemCount, normal.fontColor, page.barColor); every key is listed below.</source>
        <translation>Avec --write ou --site : fixer un réglage, après FILE ; KEY est son groupe et sa clé comme dans le fichier de réglages (menu.itemCount, normal.fontColor, page.barColor) ; toutes les clés sont listées plus bas.</translation>
    </message>
    <message>
        <source>With --write: take the menu&apos;s items from FILE (&quot;-&quot; for standard input), one a line: label&lt;TAB&gt;link[&lt;TAB&gt;tooltip[&lt;TAB&gt;target]], a sub-menu&apos;s items after their parent with one &gt; a level before the label (&quot;&gt; Web design&lt;TAB&gt;web.html&quot;); blank lines and lines starting with # are skipped. They replace the settings file&apos;s items; the page shows them (at most 20 at the top; the classic page shows no sub-menus).</source>
        <translation>Avec --write : prendre les éléments du menu dans FILE (« - » pour l&apos;entrée standard), un par ligne : libellé&lt;TAB&gt;lien[&lt;TAB&gt;infobulle[&lt;TAB&gt;cible]], les éléments d&apos;un sous-menu après leur parent avec un &gt; par niveau avant le libellé (« &gt; Conception web&lt;TAB&gt;web.html ») ; les lignes vides et celles qui commencent par # sont ignorées. Ils remplacent les éléments du fichier de réglages ; la page les montre (20 au plus au premier niveau ; la page classique ne montre pas de sous-menus).</translation>
    </message>
    <message>
        <source>Take the menu&apos;s items from the navigation of an existing page, as --items does from a list: the page&apos;s first &lt;nav&gt; (or, for PAGE#ID, the &lt;nav&gt; or &lt;ul&gt; with that id), its nested lists three levels deep, each link&apos;s label, address and target; links are rewritten from the page&apos;s folder to the site&apos;s root (page.siteFolder, or the page&apos;s folder). What was read is listed on standard error.</source>
        <translation>Prendre les éléments du menu dans la navigation d&apos;une page existante, comme --items depuis une liste : le premier &lt;nav&gt; de la page (ou, pour PAGE#ID, le &lt;nav&gt; ou &lt;ul&gt; de cet id), ses listes imbriquées sur trois niveaux, le libellé, l&apos;adresse et la cible de chaque lien ; les liens sont récrits du dossier de la page vers la racine du site (page.siteFolder, ou le dossier de la page). Ce qui a été lu est listé sur la sortie d&apos;erreur.</translation>
    </message>
    <message>
        <source>Keep the settings as given (--settings, then --items or --import, then --set) in the settings file FILE, replaced whole; alone, or with --write or --site.</source>
        <translation>Garder les réglages tels que donnés (--settings, puis --items ou --import, puis --set) dans le fichier de réglages FILE, remplacé en entier ; seul, ou avec --write ou --site.</translation>
    </message>
    <message>
        <source>With --write: the page&apos;s style, classic (the XHTML page, the default) or modern (HTML5 and CSS; a small inline script for sub-menus).</source>
        <translation>Avec --write : le style de la page, classic (la page XHTML, par défaut) ou modern (HTML5 et CSS ; un petit script intégré pour les sous-menus).</translation>
    </message>
    <message>
        <source>With --write: write only the modern menu&apos;s &lt;style&gt; and &lt;nav&gt;, to paste into an existing page; --fragment style writes the &lt;style&gt; alone (for the page&apos;s &lt;head&gt;), --fragment nav the &lt;nav&gt; and its script alone.</source>
        <translation>Avec --write : n&apos;écrire que le &lt;style&gt; et le &lt;nav&gt; du menu moderne, à coller dans une page existante ; --fragment style écrit le &lt;style&gt; seul (pour le &lt;head&gt; de la page), --fragment nav le &lt;nav&gt; et son script seuls.</translation>
    </message>
    <message>
        <source>With --write: mark the first item that links to LINK as the page the menu is on (aria-current in the modern page), and no other.</source>
        <translation>Avec --write : marquer le premier élément qui mène à LINK comme la page où se trouve le menu (aria-current dans la page moderne), et aucun autre.</translation>
    </message>
    <message>
        <source>Write the menu into every .html and .htm page under DIR, sub-folders included (hidden folders and links leading out of DIR left alone), between the markers &lt;!-- halvero-menu --&gt; and &lt;!-- /halvero-menu --&gt; and its style between &lt;!-- halvero-menu-style --&gt; and &lt;!-- /halvero-menu-style --&gt;, its breadcrumb trail between &lt;!-- halvero-breadcrumb --&gt; and &lt;!-- /halvero-breadcrumb --&gt;, each page with its own current item and links; pages without markers are named and left alone (see --adopt), and so are those page.siteExclude names. Without DIR (last, or &quot;&quot;), the settings file&apos;s page.siteFolder. Takes --settings, --items and --set as --write does.</source>
        <translation>Écrire le menu dans chaque page .html et .htm sous DIR, sous-dossiers compris (les dossiers cachés et les liens qui sortent de DIR restent intacts), entre les repères &lt;!-- halvero-menu --&gt; et &lt;!-- /halvero-menu --&gt;, son style entre &lt;!-- halvero-menu-style --&gt; et &lt;!-- /halvero-menu-style --&gt;, son fil d&apos;Ariane entre &lt;!-- halvero-breadcrumb --&gt; et &lt;!-- /halvero-breadcrumb --&gt;, chaque page avec son élément courant et ses liens ; les pages sans repères sont nommées et laissées intactes (voir --adopt), comme celles que nomme page.siteExclude. Sans DIR (en dernier, ou &quot;&quot;), le page.siteFolder du fichier de réglages. Prend --settings, --items et --set comme --write.</translation>
    </message>
    <message>
        <source>With --site: write nothing; show how each page&apos;s menu differs from what the settings make (a short diff), and exit with 1 when one does, when a page has no markers (and is not excluded), or when an item&apos;s link leads to no file of the site.</source>
        <translation>Avec --site : ne rien écrire ; montrer en quoi le menu de chaque page diffère de ce que donnent les réglages (un court diff), et sortir avec 1 si l&apos;un diffère, si une page n&apos;a pas de repères (et n&apos;est pas exclue), ou si le lien d&apos;un élément ne mène à aucun fichier du site.</translation>
    </message>
    <message>
        <source>With --site: in each page without markers, put the menu in place of the &lt;nav&gt; whose links are most of the menu&apos;s, between the markers, and the style markers before &lt;/head&gt;; pages where none is found are named and left alone. With --check, say what it would do.</source>
        <translation>Avec --site : dans chaque page sans repères, mettre le menu à la place du &lt;nav&gt; dont les liens sont en majorité ceux du menu, entre les repères, et les repères de style avant &lt;/head&gt; ; les pages où aucun n&apos;est trouvé sont nommées et laissées intactes. Avec --check, dire ce qui serait fait.</translation>
    </message>
    <message>
        <source>List the looks --look takes, one a line: its name, a tab and what it looks like.</source>
        <translation>Lister les thèmes que prend --look, un par ligne : son nom, une tabulation et son apparence.</translation>
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
        <translation>Écrit la page du menu de navigation d&apos;un site web.

Sans option, ouvre la fenêtre, avec les réglages de FILE (un fichier
de réglages .halvero) s&apos;il est donné. Si Halvero tourne déjà sur ce
bureau, FILE s&apos;ouvre plutôt dans la fenêtre en cours.

Code de sortie : 0 si la page a été écrite ; 1 pour une entrée
erronée (une clé ou une option inconnue, une valeur que la page ne
peut pas prendre, un fichier de réglages illisible, un fichier que la
fenêtre en cours n&apos;a pas pris) ; 2 si la page ne peut pas être
écrite. Avec --site : 0 si chaque page à repères est à jour, 1 si une
page n&apos;est pas du texte UTF-8 ou a des repères cassés (ou, avec
--check, diffère, n&apos;a pas de repères ou si le lien d&apos;un élément ne
mène à aucun fichier), 2 si une page n&apos;a pas pu être écrite ; les
autres pages sont mises à jour quand même.</translation>
    </message>
    <message>
        <source>A settings file to open.</source>
        <translation>Un fichier de réglages à ouvrir.</translation>
    </message>
    <message>
        <source>--looks goes alone</source>
        <translation>--looks s&apos;emploie seul</translation>
    </message>
    <message>
        <source>--%1 is given once</source>
        <translation>--%1 ne se donne qu&apos;une fois</translation>
    </message>
    <message>
        <source>--%1 needs a file name</source>
        <translation>--%1 demande un nom de fichier</translation>
    </message>
    <message>
        <source>--%1 goes with --site DIR</source>
        <translation>--%1 va avec --site DIR</translation>
    </message>
    <message>
        <source>--items and --import both give the items; take one</source>
        <translation>--items et --import donnent tous deux les éléments ; choisissez-en un</translation>
    </message>
    <message>
        <source>--look: no look &apos;%1&apos; (the looks are %2)</source>
        <translation>--look : pas de thème « %1 » (les thèmes sont %2)</translation>
    </message>
    <message>
        <source>--%1 does not go with --site (every page gets the modern menu, marked for itself)</source>
        <translation>--%1 ne va pas avec --site (chaque page reçoit le menu moderne, marqué pour elle)</translation>
    </message>
    <message>
        <source>--site writes the modern menu into pages; --style is modern there</source>
        <translation>--site écrit le menu moderne dans les pages ; --style y est modern</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (the settings file goes after --settings)</source>
        <translation>argument inattendu « %1 » (le fichier de réglages se donne après --settings)</translation>
    </message>
    <message>
        <source>--fragment writes style and navigation, or one of them: --fragment style or --fragment nav, not &apos;%1&apos;</source>
        <translation>--fragment écrit le style et la navigation, ou l&apos;un des deux : --fragment style ou --fragment nav, pas « %1 »</translation>
    </message>
    <message>
        <source>--style is classic or modern, not &apos;%1&apos;</source>
        <translation>--style vaut classic ou modern, pas « %1 »</translation>
    </message>
    <message>
        <source>--fragment writes the modern menu&apos;s code; the classic page has none (leave out --style classic)</source>
        <translation>--fragment écrit le code du menu moderne ; la page classique n&apos;en a pas (retirez --style classic)</translation>
    </message>
    <message>
        <source>--%1 goes with --write PAGE</source>
        <translation>--%1 va avec --write PAGE</translation>
    </message>
    <message>
        <source>--%1 goes with --write PAGE, --site DIR or --save FILE</source>
        <translation>--%1 va avec --write PAGE, --site DIR ou --save FILE</translation>
    </message>
    <message>
        <source>one settings file at a time</source>
        <translation>un fichier de réglages à la fois</translation>
    </message>
    <message>
        <source>
Keys for --set, with what each may hold and its default:
</source>
        <translation>
Clés de --set, avec ce que chacune peut contenir et sa valeur par défaut :
</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Try &apos;halvero --help&apos;.</source>
        <translation>Essayez « halvero --help ».</translation>
    </message>
</context>
<context>
    <name>EntryEditing</name>
    <message>
        <source>%1: the value %2; the page keeps %3</source>
        <translation>%1 : la valeur %2 ; la page garde %3</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Halvero settings files (*.halvero)</source>
        <translation>Fichiers de réglages Halvero (*.halvero)</translation>
    </message>
    <message>
        <source>Web pages (*.htm *.html)</source>
        <translation>Pages web (*.htm *.html)</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Ouvrir des réglages</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Write page to</source>
        <translation>Écrire la page dans</translation>
    </message>
    <message>
        <source>Write menu code to</source>
        <translation>Écrire le code du menu dans</translation>
    </message>
    <message>
        <source>Import navigation from</source>
        <translation>Importer la navigation de</translation>
    </message>
    <message>
        <source>%1 (in %2)</source>
        <translation>%1 (dans %2)</translation>
    </message>
    <message>
        <source>this menu</source>
        <translation>ce menu</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don&apos;t save them.</source>
        <translation>Vos modifications seront perdues si vous ne les enregistrez pas.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Ne pas enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>The settings file could not be opened.</source>
        <translation>Le fichier de réglages n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>The menu shows all of its own items (%1).</source>
        <translation>Le menu montre tous ses propres éléments (%1).</translation>
    </message>
    <message>
        <source>%1 gives Menu Item Count %2, which is not the number of its items. Save it to keep the count of its items.</source>
        <translation>%1 donne un nombre d&apos;éléments de %2, qui n&apos;est pas le nombre de ses éléments. Enregistrez-le pour garder le nombre de ses éléments.</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> et %n autre</numerusform>
            <numerusform> et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>The settings file was opened, but Halvero does not know some of its keys and left them out.</source>
        <translation>Le fichier de réglages a été ouvert, mais Halvero ne connaît pas certaines de ses clés et les a laissées de côté.</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it.</source>
        <translation>%1 a été modifié par un autre programme depuis son ouverture.</translation>
    </message>
    <message>
        <source>Overwrite it with your menu, or reload it and lose your changes?</source>
        <translation>L&apos;écraser avec votre menu, ou le recharger et perdre vos modifications ?</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>É&amp;craser</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recharger</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés.</translation>
    </message>
    <message>
        <source>%1 is a whole web page.</source>
        <translation>%1 est une page web entière.</translation>
    </message>
    <message>
        <source>Writing the menu code there replaces the whole page with the menu alone. To put the menu into the page, use Copy Menu Code and paste it. Replace the page?</source>
        <translation>Écrire le code du menu à cet endroit remplace toute la page par le menu seul. Pour mettre le menu dans la page, utilisez Copier le code du menu et collez-le. Remplacer la page ?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>&amp;Keep the page</source>
        <translation>&amp;Garder la page</translation>
    </message>
    <message>
        <source>The menu code could not be written.</source>
        <translation>Le code du menu n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Menu code written to %1</source>
        <translation>Code du menu écrit dans %1</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>La page n&apos;a pas pu être écrite.</translation>
    </message>
    <message>
        <source>Page written to %1</source>
        <translation>Page écrite dans %1</translation>
    </message>
    <message>
        <source>The navigation of %1 cannot be read</source>
        <translation>La navigation de %1 ne peut pas être lue</translation>
    </message>
    <message>
        <source>Import Navigation</source>
        <translation>Importer une navigation</translation>
    </message>
    <message>
        <source>%1 holds a navigation of %2 items. Replace the menu&apos;s items with them?</source>
        <translation>%1 contient une navigation de %2 éléments. Remplacer les éléments du menu par ceux-ci ?</translation>
    </message>
    <message>
        <source>&amp;Replace Items</source>
        <translation>&amp;Remplacer les éléments</translation>
    </message>
    <message>
        <source>%1 items read from %2</source>
        <translation>%1 éléments lus dans %2</translation>
    </message>
</context>
<context>
    <name>LivePreviewDock</name>
    <message>
        <source>Live Preview</source>
        <translation>Aperçu en direct</translation>
    </message>
    <message>
        <source>Ph&amp;one</source>
        <translation>&amp;Téléphone</translation>
    </message>
    <message>
        <source>As on a phone, 375 pixels wide</source>
        <translation>Comme sur un téléphone, 375 pixels de large</translation>
    </message>
    <message>
        <source>&amp;Tablet</source>
        <translation>T&amp;ablette</translation>
    </message>
    <message>
        <source>As on a tablet, 768 pixels wide</source>
        <translation>Comme sur une tablette, 768 pixels de large</translation>
    </message>
    <message>
        <source>F&amp;ill</source>
        <translation>&amp;Remplir</translation>
    </message>
    <message>
        <source>As wide as the dock</source>
        <translation>Aussi large que le panneau</translation>
    </message>
    <message>
        <source>Sho&amp;w:</source>
        <translation>A&amp;fficher :</translation>
    </message>
    <message>
        <source>The menu alone, or in one of the site&apos;s pages as Update Site writes it</source>
        <translation>Le menu seul, ou dans l&apos;une des pages du site comme Mettre à jour le site l&apos;écrit</translation>
    </message>
    <message>
        <source>The preview is starting…</source>
        <translation>L&apos;aperçu démarre…</translation>
    </message>
    <message>
        <source>The preview could not be started: %1</source>
        <translation>L&apos;aperçu n&apos;a pas pu démarrer : %1</translation>
    </message>
    <message>
        <source>The menu alone</source>
        <translation>Le menu seul</translation>
    </message>
</context>
<context>
    <name>LivePreviewView</name>
    <message>
        <source>This item leads to %1</source>
        <translation>Cet élément mène à %1</translation>
    </message>
</context>
<context>
    <name>LookDialog</name>
    <message>
        <source>Services</source>
        <translation>Services</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Conception</translation>
    </message>
    <message>
        <source>Hosting</source>
        <translation>Hébergement</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>New From Look</source>
        <translation>Nouveau à partir d&apos;un thème</translation>
    </message>
    <message>
        <source>Apply Look</source>
        <translation>Appliquer un thème</translation>
    </message>
    <message>
        <source>A new menu in the look you pick; a modern look&apos;s links open in the same tab.</source>
        <translation>Un nouveau menu dans le thème choisi ; les liens d&apos;un thème moderne s&apos;ouvrent dans le même onglet.</translation>
    </message>
    <message>
        <source>The look you pick replaces the menu&apos;s colours, fonts, sizes and page style; its items, target and site stay. Undo takes it back.</source>
        <translation>Le thème choisi remplace les couleurs, polices, tailles et le style de page du menu ; ses éléments, sa cible et son site restent. Annuler revient en arrière.</translation>
    </message>
    <message>
        <source>&amp;Looks:</source>
        <translation>&amp;Thèmes :</translation>
    </message>
    <message>
        <source>&amp;New Menu</source>
        <translation>&amp;Nouveau menu</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>New From &amp;Look...</source>
        <translation>Nouveau à partir d&apos;un &amp;thème...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Write Page To...</source>
        <translation>Écrire la &amp;page dans...</translation>
    </message>
    <message>
        <source>&amp;Import Navigation...</source>
        <translation>&amp;Importer une navigation...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Menu &amp;Items...</source>
        <translation>Éléments du &amp;menu...</translation>
    </message>
    <message>
        <source>&amp;Create Page File</source>
        <translation>&amp;Créer le fichier de page</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>A&amp;perçu</translation>
    </message>
    <message>
        <source>&amp;Live Preview</source>
        <translation>Aperçu en &amp;direct</translation>
    </message>
    <message>
        <source>Page &amp;Style...</source>
        <translation>&amp;Style de page...</translation>
    </message>
    <message>
        <source>Apply Loo&amp;k...</source>
        <translation>Appliquer un t&amp;hème...</translation>
    </message>
    <message>
        <source>Copy Menu &amp;Code</source>
        <translation>Copier le &amp;code du menu</translation>
    </message>
    <message>
        <source>Copy St&amp;yle</source>
        <translation>Copier le st&amp;yle</translation>
    </message>
    <message>
        <source>Copy &amp;Navigation</source>
        <translation>Copier la &amp;navigation</translation>
    </message>
    <message>
        <source>Write &amp;Fragment To...</source>
        <translation>Écrire le &amp;fragment dans...</translation>
    </message>
    <message>
        <source>&amp;Update Site...</source>
        <translation>&amp;Mettre à jour le site...</translation>
    </message>
    <message>
        <source>&amp;About Halvero</source>
        <translation>À &amp;propos de Halvero</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Page</source>
        <translation>&amp;Page</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>MainControls</name>
    <message>
        <source>Choose %1</source>
        <translation>Choisir %1</translation>
    </message>
    <message>
        <source>The number of the menu&apos;s own items (Edit &gt; Menu Items, Ctrl+I)</source>
        <translation>Le nombre des éléments propres du menu (Édition &gt; Éléments du menu, Ctrl+I)</translation>
    </message>
</context>
<context>
    <name>MainLayout</name>
    <message>
        <source>Create HTML Page File</source>
        <translation>Créer le fichier de page HTML</translation>
    </message>
    <message>
        <source>Preview HTML Page File</source>
        <translation>Aperçu du fichier de page HTML</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Menu code copied to the clipboard</source>
        <translation>Code du menu copié dans le presse-papiers</translation>
    </message>
    <message>
        <source>Menu style copied to the clipboard: paste it into the page&apos;s &lt;head&gt;</source>
        <translation>Style du menu copié dans le presse-papiers : collez-le dans le &lt;head&gt; de la page</translation>
    </message>
    <message>
        <source>Menu navigation copied to the clipboard: paste it where the menu goes</source>
        <translation>Navigation du menu copiée dans le presse-papiers : collez-la là où va le menu</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>The program&apos;s folder cannot be written, so the page was written to your own folder:</source>
        <translation>Le dossier du programme n&apos;est pas accessible en écriture, la page a donc été écrite dans votre propre dossier :</translation>
    </message>
    <message>
        <source>Page written to %1; the classic page shows the top-level items only</source>
        <translation>Page écrite dans %1 ; la page classique ne montre que les éléments de premier niveau</translation>
    </message>
    <message>
        <source>Page written to %1</source>
        <translation>Page écrite dans %1</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>La page n&apos;a pas pu être écrite.</translation>
    </message>
    <message>
        <source>Menu Items</source>
        <translation>Éléments du menu</translation>
    </message>
    <message>
        <source>The classic page shows the top-level items only; pick Modern in Page &gt; Page Style... to show the sub-menus</source>
        <translation>La page classique ne montre que les éléments de premier niveau ; choisissez Moderne dans Page &gt; Style de page... pour montrer les sous-menus</translation>
    </message>
    <message>
        <source>Apply Look %1</source>
        <translation>Appliquer le thème %1</translation>
    </message>
    <message>
        <source>Site updated: %1</source>
        <translation>Site mis à jour : %1</translation>
    </message>
    <message>
        <source>The preview could not be opened.</source>
        <translation>L&apos;aperçu n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Voulez-vous quitter ?</translation>
    </message>
</context>
<context>
    <name>MenuDocument</name>
    <message>
        <source>Typing</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Choix</translation>
    </message>
    <message>
        <source>Page Style</source>
        <translation>Style de page</translation>
    </message>
    <message>
        <source>Site Folder</source>
        <translation>Dossier du site</translation>
    </message>
</context>
<context>
    <name>MenuItemsDialog</name>
    <message>
        <source>Menu Items</source>
        <translation>Éléments du menu</translation>
    </message>
    <message>
        <source>Menu items</source>
        <translation>Éléments du menu</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Add an item after this one (Insert)</source>
        <translation>Ajouter un élément après celui-ci (Inser)</translation>
    </message>
    <message>
        <source>Add &amp;Sub-item</source>
        <translation>Ajouter un &amp;sous-élément</translation>
    </message>
    <message>
        <source>Add an item to this one&apos;s sub-menu</source>
        <translation>Ajouter un élément au sous-menu de celui-ci</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Remove the selected items and their sub-menus (Delete)</source>
        <translation>Retirer les éléments choisis et leurs sous-menus (Suppr)</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move the item up (Alt+Up)</source>
        <translation>Monter l&apos;élément (Alt+Haut)</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>Move the item down (Alt+Down)</source>
        <translation>Descendre l&apos;élément (Alt+Bas)</translation>
    </message>
    <message>
        <source>&amp;Indent</source>
        <translation>&amp;Indenter</translation>
    </message>
    <message>
        <source>Put the item in the sub-menu of the one above it (Tab, Alt+Right)</source>
        <translation>Mettre l&apos;élément dans le sous-menu de celui du dessus (Tab, Alt+Droite)</translation>
    </message>
    <message>
        <source>&amp;Outdent</source>
        <translation>Désinden&amp;ter</translation>
    </message>
    <message>
        <source>Take the item out of its sub-menu (Shift+Tab, Alt+Left)</source>
        <translation>Sortir l&apos;élément de son sous-menu (Maj+Tab, Alt+Gauche)</translation>
    </message>
    <message>
        <source>Each row is one item of the menu, in the order shown; an indented row is in the sub-menu of the row above it. Paste rows copied from a spreadsheet (label, link) with Ctrl+V, &quot;&gt;&quot; before a label for each level down. Ctrl+Tab leaves the list.</source>
        <translation>Chaque ligne est un élément du menu, dans l&apos;ordre affiché ; une ligne indentée est dans le sous-menu de la ligne du dessus. Collez des lignes copiées d&apos;un tableur (libellé, lien) avec Ctrl+V, « &gt; » devant un libellé pour chaque niveau plus bas. Ctrl+Tab quitte la liste.</translation>
    </message>
    <message>
        <source>Labels and links in lan&amp;guage:</source>
        <translation>Libellés et liens en &amp;langue :</translation>
    </message>
    <message>
        <source>A menu holds at most %1 items; this one would make it more.</source>
        <translation>Un menu a au plus %1 éléments ; celui-ci en ferait plus.</translation>
    </message>
    <message>
        <source>A menu holds at most %1 items; these %2 would make it more.</source>
        <translation>Un menu a au plus %1 éléments ; ces %2 en feraient plus.</translation>
    </message>
    <message>
        <source>A menu has at most %1 levels: this item&apos;s sub-menu would be a fourth.</source>
        <translation>Un menu a au plus %1 niveaux : le sous-menu de cet élément serait un quatrième.</translation>
    </message>
    <message>
        <source>Nothing was pasted: a list of items is a few KB, this is %1 KB.</source>
        <translation>Rien n&apos;a été collé : une liste d&apos;éléments fait quelques Ko, ceci fait %1 Ko.</translation>
    </message>
    <message>
        <source>Nothing was pasted: %1</source>
        <translation>Rien n&apos;a été collé : %1</translation>
    </message>
    <message>
        <source>Rows after the %1th are kept but not in the page, which shows %1 items.</source>
        <translation>Les lignes après la %1e sont gardées mais pas dans la page, qui montre %1 éléments.</translation>
    </message>
    <message>
        <source>The classic page shows the top-level items only; pick Modern in Page &gt; Page Style... to show the sub-menus.</source>
        <translation>La page classique ne montre que les éléments de premier niveau ; choisissez Moderne dans Page &gt; Style de page... pour montrer les sous-menus.</translation>
    </message>
</context>
<context>
    <name>MenuItemsModel</name>
    <message>
        <source>New tab</source>
        <translation>Nouvel onglet</translation>
    </message>
    <message>
        <source>Same frame</source>
        <translation>Même cadre</translation>
    </message>
    <message>
        <source>Parent frame</source>
        <translation>Cadre parent</translation>
    </message>
    <message>
        <source>Whole window</source>
        <translation>Fenêtre entière</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>%1 (menu&apos;s Target)</source>
        <translation>%1 (cible du menu)</translation>
    </message>
    <message>
        <source>No %1 label yet: the page shows the first language&apos;s</source>
        <translation>Pas encore de libellé en %1 : la page montre celui de la première langue</translation>
    </message>
    <message>
        <source>No %1 link of its own: the page leads here, in the language&apos;s folder</source>
        <translation>Pas de lien propre en %1 : la page mène ici, dans le dossier de la langue</translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation>Niveau 1</translation>
    </message>
    <message>
        <source>Level %1, in %2</source>
        <translation>Niveau %1, dans %2</translation>
    </message>
    <message>
        <source>Not in the page, which shows the first %1</source>
        <translation>Pas dans la page, qui montre les %1 premiers</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <source>Tooltip</source>
        <translation>Infobulle</translation>
    </message>
    <message>
        <source>Opens in</source>
        <translation>S&apos;ouvre dans</translation>
    </message>
    <message>
        <source>Current page</source>
        <translation>Page courante</translation>
    </message>
    <message>
        <source>The item of the page the menu is on: marked for screen readers (Space ticks it)</source>
        <translation>L&apos;élément de la page où se trouve le menu : marqué pour les lecteurs d&apos;écran (Espace le coche)</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>Ajouter un élément</translation>
    </message>
    <message>
        <source>Add Sub-item</source>
        <translation>Ajouter un sous-élément</translation>
    </message>
    <message>
        <source>Remove Items</source>
        <translation>Retirer des éléments</translation>
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
        <source>Indent</source>
        <translation>Indenter</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>Désindenter</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>Déplacer l&apos;élément</translation>
    </message>
</context>
<context>
    <name>MenuLook</name>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>The page of old: blue Tahoma on cream, raised borders.</source>
        <translation>La page d&apos;antan : Tahoma bleue sur crème, bords en relief.</translation>
    </message>
    <message>
        <source>Brand bar</source>
        <translation>Barre de marque</translation>
    </message>
    <message>
        <source>A dark bar of white labels; sub-menus drop in a shadowed panel.</source>
        <translation>Une barre sombre aux libellés blancs ; les sous-menus s&apos;ouvrent dans un panneau ombré.</translation>
    </message>
    <message>
        <source>Underline tabs</source>
        <translation>Onglets soulignés</translation>
    </message>
    <message>
        <source>A white bar whose current item is blue and underlined, like a tab.</source>
        <translation>Une barre blanche dont l&apos;élément courant est bleu et souligné, comme un onglet.</translation>
    </message>
    <message>
        <source>Pills</source>
        <translation>Pilules</translation>
    </message>
    <message>
        <source>Rounded items on a white bar, the current one filled in indigo.</source>
        <translation>Des éléments arrondis sur une barre blanche, le courant rempli d&apos;indigo.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Barre latérale</translation>
    </message>
    <message>
        <source>A dark column down the page&apos;s side; sub-menus open under their items.</source>
        <translation>Une colonne sombre le long de la page ; les sous-menus s&apos;ouvrent sous leurs éléments.</translation>
    </message>
</context>
<context>
    <name>PageStyleDialog</name>
    <message>
        <source>Page Style</source>
        <translation>Style de page</translation>
    </message>
    <message>
        <source>&amp;Classic (XHTML, as always)</source>
        <translation>&amp;Classique (XHTML, comme toujours)</translation>
    </message>
    <message>
        <source>&amp;Modern (HTML5 and CSS)</source>
        <translation>&amp;Moderne (HTML5 et CSS)</translation>
    </message>
    <message>
        <source>Page style:</source>
        <translation>Style de page :</translation>
    </message>
    <message>
        <source>The modern page&apos;s own look; the classic page keeps its own.</source>
        <translation>L&apos;apparence propre de la page moderne ; la page classique garde la sienne.</translation>
    </message>
    <message>
        <source>B&amp;ar</source>
        <translation>&amp;Barre</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>as the item</source>
        <translation>comme l&apos;élément</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Narrower screens show the menu button; a width such as 40em or 600px, or never</source>
        <translation>Les écrans plus étroits montrent le bouton de menu ; une largeur comme 40em ou 600px, ou never</translation>
    </message>
    <message>
        <source>Choose the bar colour</source>
        <translation>Choisir la couleur de la barre</translation>
    </message>
    <message>
        <source>One to four lengths: all sides, or top and bottom then the sides</source>
        <translation>Une à quatre longueurs : tous les côtés, ou haut et bas puis les côtés</translation>
    </message>
    <message>
        <source>At the start</source>
        <translation>Au début</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>Centré</translation>
    </message>
    <message>
        <source>At the end</source>
        <translation>À la fin</translation>
    </message>
    <message>
        <source>Spread out</source>
        <translation>Réparti</translation>
    </message>
    <message>
        <source>Fixed: the Menu Item Width</source>
        <translation>Fixe : la largeur des éléments</translation>
    </message>
    <message>
        <source>As wide as its label</source>
        <translation>Aussi large que son libellé</translation>
    </message>
    <message>
        <source>Empty for the Menu Items Distance, or a length</source>
        <translation>Vide pour l&apos;espacement des éléments, ou une longueur</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Medium (500)</source>
        <translation>Moyen (500)</translation>
    </message>
    <message>
        <source>Semi-bold (600)</source>
        <translation>Demi-gras (600)</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>0 for square corners; 999px rounds the ends into pills</source>
        <translation>0 pour des coins carrés ; 999px arrondit les bouts en pilules</translation>
    </message>
    <message>
        <source>Choose the current item&apos;s text colour</source>
        <translation>Choisir la couleur du texte de l&apos;élément courant</translation>
    </message>
    <message>
        <source>Choose the current item&apos;s background</source>
        <translation>Choisir le fond de l&apos;élément courant</translation>
    </message>
    <message>
        <source>Sub-menu pa&amp;nel</source>
        <translation>&amp;Panneau des sous-menus</translation>
    </message>
    <message>
        <source>The panel a sub-menu drops in below a bar; an empty colour is the bar&apos;s item&apos;s.</source>
        <translation>Le panneau où s&apos;ouvre un sous-menu sous une barre ; une couleur vide est celle de l&apos;élément de la barre.</translation>
    </message>
    <message>
        <source>Choose the panel&apos;s background</source>
        <translation>Choisir le fond du panneau</translation>
    </message>
    <message>
        <source>Choose the panel&apos;s text colour</source>
        <translation>Choisir la couleur du texte du panneau</translation>
    </message>
    <message>
        <source>Choose a hovered sub-item&apos;s background</source>
        <translation>Choisir le fond d&apos;un sous-élément survolé</translation>
    </message>
    <message>
        <source>Choose a hovered sub-item&apos;s text colour</source>
        <translation>Choisir la couleur du texte d&apos;un sous-élément survolé</translation>
    </message>
    <message>
        <source>One to four lengths: the room inside the panel</source>
        <translation>Une à quatre longueurs : l&apos;espace à l&apos;intérieur du panneau</translation>
    </message>
    <message>
        <source>Choose the line between sub-items</source>
        <translation>Choisir la ligne entre les sous-éléments</translation>
    </message>
    <message>
        <source>0 for square corners</source>
        <translation>0 pour des coins carrés</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Douce</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Marquée</translation>
    </message>
    <message>
        <source>The panel is as wide as its widest label up to this; longer labels wrap</source>
        <translation>Le panneau est aussi large que son plus long libellé, jusqu&apos;à cette valeur ; les libellés plus longs passent à la ligne</translation>
    </message>
    <message>
        <source>Language and wor&amp;ds</source>
        <translation>Langue et &amp;mots</translation>
    </message>
    <message>
        <source>The page&apos;s language, and the words it writes of its own for visitors and screen readers; an empty word is the language&apos;s.</source>
        <translation>La langue de la page, et les mots qu&apos;elle écrit d&apos;elle-même pour les visiteurs et les lecteurs d&apos;écran ; un mot vide est celui de la langue.</translation>
    </message>
    <message>
        <source>A language tag such as en, de, pt-BR or ar</source>
        <translation>Une étiquette de langue comme en, de, pt-BR ou ar</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Étiquette</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>The default language first, its folder empty for the site&apos;s root; each other in a folder of its own (de/)</source>
        <translation>La langue par défaut d&apos;abord, son dossier vide pour la racine du site ; chaque autre dans un dossier à elle (de/)</translation>
    </message>
    <message>
        <source>Site&apos;s languages and &amp;folders:</source>
        <translation>Langues et &amp;dossiers du site :</translation>
    </message>
    <message>
        <source>Add lang&amp;uage</source>
        <translation>Ajouter une lan&amp;gue</translation>
    </message>
    <message>
        <source>&amp;Remove language</source>
        <translation>&amp;Retirer la langue</translation>
    </message>
    <message>
        <source>Lead to the default language&apos;s page</source>
        <translation>Mener à la page de la langue par défaut</translation>
    </message>
    <message>
        <source>Leave the item out</source>
        <translation>Laisser l&apos;élément de côté</translation>
    </message>
    <message>
        <source>Lead to the language&apos;s home page</source>
        <translation>Mener à la page d&apos;accueil de la langue</translation>
    </message>
    <message>
        <source>Site&apos;s languages: %1; the menu keeps the ones before.</source>
        <translation>Langues du site : %1 ; le menu garde les précédentes.</translation>
    </message>
    <message>
        <source>Site Languages</source>
        <translation>Langues du site</translation>
    </message>
    <message>
        <source>%1: the value %2; the page keeps %3.</source>
        <translation>%1 : la valeur %2 ; la page garde %3.</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>HTML Preview</source>
        <translation>Aperçu HTML</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>This item leads to %1</source>
        <translation>Cet élément mène à %1</translation>
    </message>
</context>
<context>
    <name>SettingTable</name>
    <message>
        <source>Menu Settings</source>
        <translation>Réglages du menu</translation>
    </message>
    <message>
        <source>Normal Menu Item</source>
        <translation>Élément normal</translation>
    </message>
    <message>
        <source>Hover Menu Item</source>
        <translation>Élément survolé</translation>
    </message>
    <message>
        <source>Page Style</source>
        <translation>Style de page</translation>
    </message>
    <message>
        <source>Menu Item Count</source>
        <translation>Nombre d&apos;éléments</translation>
    </message>
    <message>
        <source>Menu Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Menu Items Distance</source>
        <translation>Espacement</translation>
    </message>
    <message>
        <source>Menu Item Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Menu Item Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Show URL in Statusbar</source>
        <translation>URL en barre d&apos;état</translation>
    </message>
    <message>
        <source>Message in Statusbar</source>
        <translation>Message d&apos;état</translation>
    </message>
    <message>
        <source>Font Name</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Border Left Width</source>
        <translation>Bord gauche largeur</translation>
    </message>
    <message>
        <source>Border Left Type</source>
        <translation>Bord gauche type</translation>
    </message>
    <message>
        <source>Border Left Color</source>
        <translation>Bord gauche couleur</translation>
    </message>
    <message>
        <source>Border Top Width</source>
        <translation>Bord haut largeur</translation>
    </message>
    <message>
        <source>Border Top Type</source>
        <translation>Bord haut type</translation>
    </message>
    <message>
        <source>Border Top Color</source>
        <translation>Bord haut couleur</translation>
    </message>
    <message>
        <source>Border Right Width</source>
        <translation>Bord droit largeur</translation>
    </message>
    <message>
        <source>Border Right Type</source>
        <translation>Bord droit type</translation>
    </message>
    <message>
        <source>Border Right Color</source>
        <translation>Bord droit couleur</translation>
    </message>
    <message>
        <source>Border Bottom Width</source>
        <translation>Bord bas largeur</translation>
    </message>
    <message>
        <source>Border Bottom Type</source>
        <translation>Bord bas type</translation>
    </message>
    <message>
        <source>Border Bottom Color</source>
        <translation>Bord bas couleur</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Fold into a menu button below</source>
        <translation>Replier en un bouton de menu en dessous de</translation>
    </message>
    <message>
        <source>Menu button label</source>
        <translation>Libellé du bouton de menu</translation>
    </message>
    <message>
        <source>Bar colour</source>
        <translation>Couleur de la barre</translation>
    </message>
    <message>
        <source>Item padding</source>
        <translation>Marge intérieure des éléments</translation>
    </message>
    <message>
        <source>Items on the bar</source>
        <translation>Éléments sur la barre</translation>
    </message>
    <message>
        <source>Item width</source>
        <translation>Largeur des éléments</translation>
    </message>
    <message>
        <source>Current item text colour</source>
        <translation>Couleur du texte de l&apos;élément courant</translation>
    </message>
    <message>
        <source>Current item background</source>
        <translation>Fond de l&apos;élément courant</translation>
    </message>
    <message>
        <source>Underline the current item</source>
        <translation>Souligner l&apos;élément courant</translation>
    </message>
    <message>
        <source>Site served under</source>
        <translation>Site servi sous</translation>
    </message>
    <message>
        <source>Site address</source>
        <translation>Adresse du site</translation>
    </message>
    <message>
        <source>Pages left out</source>
        <translation>Pages laissées de côté</translation>
    </message>
    <message>
        <source>Skip link to</source>
        <translation>Lien d&apos;évitement vers</translation>
    </message>
    <message>
        <source>One stylesheet at</source>
        <translation>Une feuille de style dans</translation>
    </message>
    <message>
        <source>Font weight</source>
        <translation>Graisse</translation>
    </message>
    <message>
        <source>Corner radius</source>
        <translation>Rayon des coins</translation>
    </message>
    <message>
        <source>Gap between items</source>
        <translation>Écart entre les éléments</translation>
    </message>
    <message>
        <source>Panel width at most</source>
        <translation>Largeur du panneau au plus</translation>
    </message>
    <message>
        <source>Panel background</source>
        <translation>Fond du panneau</translation>
    </message>
    <message>
        <source>Panel text colour</source>
        <translation>Couleur du texte du panneau</translation>
    </message>
    <message>
        <source>Panel hovered background</source>
        <translation>Fond survolé du panneau</translation>
    </message>
    <message>
        <source>Panel hovered text colour</source>
        <translation>Texte survolé du panneau</translation>
    </message>
    <message>
        <source>Panel padding</source>
        <translation>Marge intérieure du panneau</translation>
    </message>
    <message>
        <source>Line between sub-items</source>
        <translation>Ligne entre les sous-éléments</translation>
    </message>
    <message>
        <source>Panel corner radius</source>
        <translation>Rayon des coins du panneau</translation>
    </message>
    <message>
        <source>Panel shadow</source>
        <translation>Ombre du panneau</translation>
    </message>
    <message>
        <source>Page language</source>
        <translation>Langue de la page</translation>
    </message>
    <message>
        <source>Menu&apos;s name</source>
        <translation>Nom du menu</translation>
    </message>
    <message>
        <source>Sub-menu button&apos;s name</source>
        <translation>Nom du bouton de sous-menu</translation>
    </message>
    <message>
        <source>New tab note</source>
        <translation>Mention de nouvel onglet</translation>
    </message>
    <message>
        <source>Breadcrumb&apos;s name</source>
        <translation>Nom du fil d&apos;Ariane</translation>
    </message>
    <message>
        <source>Skip link&apos;s text</source>
        <translation>Texte du lien d&apos;évitement</translation>
    </message>
    <message>
        <source>Language list&apos;s name</source>
        <translation>Nom de la liste des langues</translation>
    </message>
    <message>
        <source>An item&apos;s page missing in a language</source>
        <translation>Page absente dans une langue</translation>
    </message>
    <message>
        <source>Alternate links in the head</source>
        <translation>Liens alternatifs dans l&apos;en-tête</translation>
    </message>
</context>
<context>
    <name>SiteDialog</name>
    <message>
        <source>The Site&apos;s Folder</source>
        <translation>Le dossier du site</translation>
    </message>
    <message>
        <source>Put the menu in place of the &amp;navigation of pages without markers</source>
        <translation>Mettre le menu à la place de la &amp;navigation des pages sans repères</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Mettre à jour</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Update Site</source>
        <translation>Mettre à jour le site</translation>
    </message>
    <message>
        <source>Writes the menu into every page of the site&apos;s folder between the markers &lt;!-- halvero-menu --&gt; and &lt;!-- /halvero-menu --&gt; (and its style between &lt;!-- halvero-menu-style --&gt; and &lt;!-- /halvero-menu-style --&gt;), each page with its own current item and links. Nothing else in a page changes.</source>
        <translation>Écrit le menu dans chaque page du dossier du site entre les repères &lt;!-- halvero-menu --&gt; et &lt;!-- /halvero-menu --&gt; (et son style entre &lt;!-- halvero-menu-style --&gt; et &lt;!-- /halvero-menu-style --&gt;), chaque page avec son élément courant et ses liens. Rien d&apos;autre ne change dans une page.</translation>
    </message>
    <message>
        <source>Site &amp;folder:</source>
        <translation>&amp;Dossier du site :</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Choisir...</translation>
    </message>
    <message>
        <source>In a page without markers, the &lt;nav&gt; whose links are most of the menu&apos;s gives way to the menu and its markers.</source>
        <translation>Dans une page sans repères, le &lt;nav&gt; dont les liens sont en majorité ceux du menu laisse la place au menu et à ses repères.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Ce qui se passe</translation>
    </message>
    <message>
        <source>Reading the pages...</source>
        <translation>Lecture des pages...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Mise à jour...</translation>
    </message>
    <message>
        <source>No markers, and no &lt;nav&gt; with the menu&apos;s links: left alone</source>
        <translation>Pas de repères, et pas de &lt;nav&gt; avec les liens du menu : laissée intacte</translation>
    </message>
    <message>
        <source>Menu put in place of its &lt;nav&gt; (line %1)</source>
        <translation>Menu mis à la place de son &lt;nav&gt; (ligne %1)</translation>
    </message>
    <message>
        <source>Updated (its hard link&apos;s other name keeps the old page)</source>
        <translation>Mise à jour (l&apos;autre nom de son lien physique garde l&apos;ancienne page)</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Inchangée</translation>
    </message>
    <message>
        <source>Not updated (cancelled)</source>
        <translation>Pas mise à jour (annulé)</translation>
    </message>
    <message>
        <source>Put the menu in place of its &lt;nav&gt; (line %1)</source>
        <translation>Mettre le menu à la place de son &lt;nav&gt; (ligne %1)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>No markers: left alone</source>
        <translation>Pas de repères : laissée intacte</translation>
    </message>
    <message>
        <source>Excluded by the settings: left alone</source>
        <translation>Exclue par les réglages : laissée intacte</translation>
    </message>
    <message>
        <source>Left alone: %1</source>
        <translation>Laissée intacte : %1</translation>
    </message>
    <message>
        <source>Not a page: %1</source>
        <translation>Pas une page : %1</translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation>Illisible : %1</translation>
    </message>
    <message>
        <source>Not written: %1</source>
        <translation>Pas écrite : %1</translation>
    </message>
    <message>
        <source>The site cannot be updated now: %1</source>
        <translation>Le site ne peut pas être mis à jour maintenant : %1</translation>
    </message>
    <message>
        <source>Menu item</source>
        <translation>Élément du menu</translation>
    </message>
    <message>
        <source>Cannot read this folder: %1</source>
        <translation>Ce dossier est illisible : %1</translation>
    </message>
    <message>
        <source>A copy left by a write that was stopped: Update removes it</source>
        <translation>Une copie laissée par une écriture interrompue : Mettre à jour la supprime</translation>
    </message>
    <message>
        <source>Not removed: %1</source>
        <translation>Pas supprimée : %1</translation>
    </message>
    <message>
        <source>1 page: </source>
        <translation>1 page : </translation>
    </message>
    <message>
        <source>%1 pages: </source>
        <translation>%1 pages : </translation>
    </message>
    <message>
        <source>%1 to update, %2 unchanged</source>
        <translation>%1 à mettre à jour, %2 inchangées</translation>
    </message>
    <message>
        <source>%1 updated, %2 unchanged</source>
        <translation>%1 mises à jour, %2 inchangées</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, %1 en échec</translation>
    </message>
    <message>
        <source>; %1 without markers</source>
        <translation> ; %1 sans repères</translation>
    </message>
    <message>
        <source>; %1 folders not read</source>
        <translation> ; %1 dossiers non lus</translation>
    </message>
    <message>
        <source> (cancelled)</source>
        <translation> (annulé)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
</TS>
