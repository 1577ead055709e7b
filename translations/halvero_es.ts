<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Application Name: </source>
        <translation>Nombre del programa: </translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versión: </translation>
    </message>
    <message>
        <source> - Date: </source>
        <translation> - Fecha: </translation>
    </message>
    <message>
        <source>Written by: Sample Author - From: Exampleland/Example City</source>
        <translation>Escrito por: Sample Author - De: Exampleland/Example City</translation>
    </message>
    <message>
        <source>Phone: +1 555 0100</source>
        <translation>Teléfono: +1 555 0100</translation>
    </message>
    <message>
        <source>EMail: author@example.com</source>
        <translation>Correo: author@example.com</translation>
    </message>
    <message>
        <source>EMail: halvero@example.com</source>
        <translation>Correo: halvero@example.com</translation>
    </message>
    <message>
        <source>EMail: support@example.com</source>
        <translation>Correo: support@example.com</translation>
    </message>
    <message>
        <source>EMail: news@example.com</source>
        <translation>Correo: news@example.com</translation>
    </message>
    <message>
        <source>Homepage: http://www.example.com/</source>
        <translation>Página web: http://www.example.com/</translation>
    </message>
    <message>
        <source>You can download new versions in http://download.example.com/, In FREE utilities part</source>
        <translation>Versiones nuevas en http://download.example.com/, sección de utilidades GRATUITAS</translation>
    </message>
    <message>
        <source>By the way, I recommend you contact me for joining my mailling list to recieve newer versions...</source>
        <translation>Por cierto, escríbame para unirse a mi lista de correo y recibir las nuevas versiones...</translation>
    </message>
    <message>
        <source>IT&apos;S FREE!</source>
        <translation>¡ES GRATIS!</translation>
    </message>
</context>
<context>
    <name>BorderlessForm</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>ColorBoxes</name>
    <message>
        <source>normal item</source>
        <translation>elemento normal</translation>
    </message>
    <message>
        <source>hovered item</source>
        <translation>elemento señalado</translation>
    </message>
    <message>
        <source>%1 %2:1</source>
        <translation>%1 %2:1</translation>
    </message>
    <message>
        <source>Hard to read in the page: %1, text on background (4.5:1 or more reads well).</source>
        <translation>Difícil de leer en la página: %1, texto sobre fondo (4,5:1 o más se lee bien).</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Write the page to PAGE (&quot;-&quot; for standard output) and exit, without a window or a display.</source>
        <translation>Escribir la página en PAGE («-» para la salida estándar) y salir, sin ventana ni pantalla.</translation>
    </message>
    <message>
        <source>With --write: take the settings from FILE instead of the defaults.</source>
        <translation>Con --write: tomar los ajustes de FILE en lugar de los predeterminados.</translation>
    </message>
    <message>
        <source>With --write, --site or --save: give the menu the look NAME (see --looks) after FILE and before --set: its page style and every setting of its appearance; the items, the status bar, the target and the site stay.</source>
        <translation>Con --write, --site o --save: dar al menú el tema NAME (véase --looks) después de FILE y antes de --set: su estilo de página y cada ajuste de su aspecto; los elementos, la barra de estado, el destino y el sitio se mantienen.</translation>
    </message>
    <message>
        <source>With --write or --site: set one setting, after FILE; KEY is its group and key as in the settings file (menu.itemCount, normal.fontColor, page.barColor); every key is listed below.</source>
        <translation>Con --write o --site: fijar un ajuste, después de FILE; KEY es su grupo y su clave como en el archivo de ajustes (menu.itemCount, normal.fontColor, page.barColor); todas las claves se listan abajo.</translation>
    </message>
    <message>
        <source>With --write: take the menu&apos;s items from FILE (&quot;-&quot; for standard input), one a line: label&lt;TAB&gt;link[&lt;TAB&gt;tooltip[&lt;TAB&gt;target]], a sub-menu&apos;s items after their parent with one &gt; a level before the label (&quot;&gt; Web design&lt;TAB&gt;web.html&quot;); blank lines and lines starting with # are skipped. They replace the settings file&apos;s items; the page shows them (at most 20 at the top; the classic page shows no sub-menus).</source>
        <translation>Con --write: tomar los elementos del menú de FILE («-» para la entrada estándar), uno por línea: etiqueta&lt;TAB&gt;enlace[&lt;TAB&gt;información[&lt;TAB&gt;destino]], los elementos de un submenú tras su padre con un &gt; por nivel antes de la etiqueta («&gt; Diseño web&lt;TAB&gt;web.html»); las líneas vacías y las que empiezan por # se saltan. Sustituyen a los elementos del archivo de ajustes; la página los muestra (20 como mucho en el primer nivel; la página clásica no muestra submenús).</translation>
    </message>
    <message>
        <source>Take the menu&apos;s items from the navigation of an existing page, as --items does from a list: the page&apos;s first &lt;nav&gt; (or, for PAGE#ID, the &lt;nav&gt; or &lt;ul&gt; with that id), its nested lists three levels deep, each link&apos;s label, address and target; links are rewritten from the page&apos;s folder to the site&apos;s root (page.siteFolder, or the page&apos;s folder). What was read is listed on standard error.</source>
        <translation>Tomar los elementos del menú de la navegación de una página existente, como --items de una lista: el primer &lt;nav&gt; de la página (o, para PAGE#ID, el &lt;nav&gt; o &lt;ul&gt; con ese id), sus listas anidadas hasta tres niveles, la etiqueta, la dirección y el destino de cada enlace; los enlaces se reescriben de la carpeta de la página a la raíz del sitio (page.siteFolder, o la carpeta de la página). Lo leído se lista en la salida de errores.</translation>
    </message>
    <message>
        <source>Keep the settings as given (--settings, then --items or --import, then --set) in the settings file FILE, replaced whole; alone, or with --write or --site.</source>
        <translation>Guardar los ajustes tal como se dan (--settings, luego --items o --import, luego --set) en el archivo de ajustes FILE, reemplazado entero; solo, o con --write o --site.</translation>
    </message>
    <message>
        <source>With --write: the page&apos;s style, classic (the XHTML page, the default) or modern (HTML5 and CSS; a small inline script for sub-menus).</source>
        <translation>Con --write: el estilo de la página, classic (la página XHTML, la predeterminada) o modern (HTML5 y CSS; un pequeño script integrado para los submenús).</translation>
    </message>
    <message>
        <source>With --write: write only the modern menu&apos;s &lt;style&gt; and &lt;nav&gt;, to paste into an existing page; --fragment style writes the &lt;style&gt; alone (for the page&apos;s &lt;head&gt;), --fragment nav the &lt;nav&gt; and its script alone.</source>
        <translation>Con --write: escribir solo el &lt;style&gt; y el &lt;nav&gt; del menú moderno, para pegarlos en una página existente; --fragment style escribe el &lt;style&gt; solo (para el &lt;head&gt; de la página), --fragment nav el &lt;nav&gt; y su script solos.</translation>
    </message>
    <message>
        <source>With --write: mark the first item that links to LINK as the page the menu is on (aria-current in the modern page), and no other.</source>
        <translation>Con --write: marcar el primer elemento que lleva a LINK como la página en la que está el menú (aria-current en la página moderna), y ningún otro.</translation>
    </message>
    <message>
        <source>Write the menu into every .html and .htm page under DIR, sub-folders included (hidden folders and links leading out of DIR left alone), between the markers &lt;!-- halvero-menu --&gt; and &lt;!-- /halvero-menu --&gt; and its style between &lt;!-- halvero-menu-style --&gt; and &lt;!-- /halvero-menu-style --&gt;, its breadcrumb trail between &lt;!-- halvero-breadcrumb --&gt; and &lt;!-- /halvero-breadcrumb --&gt;, each page with its own current item and links; pages without markers are named and left alone (see --adopt), and so are those page.siteExclude names. Without DIR (last, or &quot;&quot;), the settings file&apos;s page.siteFolder. Takes --settings, --items and --set as --write does.</source>
        <translation>Escribir el menú en cada página .html y .htm bajo DIR, subcarpetas incluidas (las carpetas ocultas y los enlaces que salen de DIR se dejan como están), entre las marcas &lt;!-- halvero-menu --&gt; y &lt;!-- /halvero-menu --&gt;, su estilo entre &lt;!-- halvero-menu-style --&gt; y &lt;!-- /halvero-menu-style --&gt;, su ruta de navegación entre &lt;!-- halvero-breadcrumb --&gt; y &lt;!-- /halvero-breadcrumb --&gt;, cada página con su propio elemento actual y sus enlaces; las páginas sin marcas se nombran y se dejan como están (véase --adopt), igual que las que nombra page.siteExclude. Sin DIR (al final, o &quot;&quot;), el page.siteFolder del archivo de ajustes. Admite --settings, --items y --set como --write.</translation>
    </message>
    <message>
        <source>With --site: write nothing; show how each page&apos;s menu differs from what the settings make (a short diff), and exit with 1 when one does, when a page has no markers (and is not excluded), or when an item&apos;s link leads to no file of the site.</source>
        <translation>Con --site: no escribir nada; mostrar en qué difiere el menú de cada página de lo que dan los ajustes (un diff corto), y salir con 1 cuando uno difiere, cuando una página no tiene marcas (y no está excluida) o cuando el enlace de un elemento no lleva a ningún archivo del sitio.</translation>
    </message>
    <message>
        <source>With --site: in each page without markers, put the menu in place of the &lt;nav&gt; whose links are most of the menu&apos;s, between the markers, and the style markers before &lt;/head&gt;; pages where none is found are named and left alone. With --check, say what it would do.</source>
        <translation>Con --site: en cada página sin marcas, poner el menú en lugar del &lt;nav&gt; cuyos enlaces son en su mayoría los del menú, entre las marcas, y las marcas de estilo antes de &lt;/head&gt;; las páginas donde no se encuentra ninguno se nombran y se dejan como están. Con --check, decir lo que haría.</translation>
    </message>
    <message>
        <source>List the looks --look takes, one a line: its name, a tab and what it looks like.</source>
        <translation>Listar los temas que admite --look, uno por línea: su nombre, un tabulador y su aspecto.</translation>
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
        <translation>Escribe la página del menú de navegación de un sitio web.

Sin opciones, abre la ventana, con los ajustes de FILE (un archivo de
ajustes .halvero) si se da uno. Si Halvero ya se está ejecutando en
este escritorio, FILE se abre en la ventana en marcha.

Estado de salida: 0 si la página se escribió; 1 por una entrada
errónea (una clave u opción desconocida, un valor que la página no
puede tomar, un archivo de ajustes ilegible, un archivo que la
ventana en marcha no aceptó); 2 si la página no se puede escribir.
Con --site: 0 si cada página con marcas está al día, 1 si una página
no es texto UTF-8 o tiene marcas rotas (o, con --check, difiere, no
tiene marcas o el enlace de un elemento no lleva a ningún archivo),
2 si una página no se pudo escribir; las demás páginas se
actualizan igualmente.</translation>
    </message>
    <message>
        <source>A settings file to open.</source>
        <translation>Un archivo de ajustes que abrir.</translation>
    </message>
    <message>
        <source>--looks goes alone</source>
        <translation>--looks va solo</translation>
    </message>
    <message>
        <source>--%1 is given once</source>
        <translation>--%1 se da una sola vez</translation>
    </message>
    <message>
        <source>--%1 needs a file name</source>
        <translation>--%1 necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--%1 goes with --site DIR</source>
        <translation>--%1 va con --site DIR</translation>
    </message>
    <message>
        <source>--items and --import both give the items; take one</source>
        <translation>--items e --import dan ambos los elementos; elija uno</translation>
    </message>
    <message>
        <source>--look: no look &apos;%1&apos; (the looks are %2)</source>
        <translation>--look: no hay ningún tema «%1» (los temas son %2)</translation>
    </message>
    <message>
        <source>--%1 does not go with --site (every page gets the modern menu, marked for itself)</source>
        <translation>--%1 no va con --site (cada página recibe el menú moderno, marcado para ella)</translation>
    </message>
    <message>
        <source>--site writes the modern menu into pages; --style is modern there</source>
        <translation>--site escribe el menú moderno en las páginas; --style allí es modern</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (the settings file goes after --settings)</source>
        <translation>argumento inesperado «%1» (el archivo de ajustes va después de --settings)</translation>
    </message>
    <message>
        <source>--fragment writes style and navigation, or one of them: --fragment style or --fragment nav, not &apos;%1&apos;</source>
        <translation>--fragment escribe el estilo y la navegación, o uno de ellos: --fragment style o --fragment nav, no «%1»</translation>
    </message>
    <message>
        <source>--style is classic or modern, not &apos;%1&apos;</source>
        <translation>--style es classic o modern, no «%1»</translation>
    </message>
    <message>
        <source>--fragment writes the modern menu&apos;s code; the classic page has none (leave out --style classic)</source>
        <translation>--fragment escribe el código del menú moderno; la página clásica no tiene (quite --style classic)</translation>
    </message>
    <message>
        <source>--%1 goes with --write PAGE</source>
        <translation>--%1 va con --write PAGE</translation>
    </message>
    <message>
        <source>--%1 goes with --write PAGE, --site DIR or --save FILE</source>
        <translation>--%1 va con --write PAGE, --site DIR o --save FILE</translation>
    </message>
    <message>
        <source>one settings file at a time</source>
        <translation>un archivo de ajustes a la vez</translation>
    </message>
    <message>
        <source>
Keys for --set, with what each may hold and its default:
</source>
        <translation>
Claves de --set, con lo que puede contener cada una y su valor predeterminado:
</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>Try &apos;halvero --help&apos;.</source>
        <translation>Pruebe «halvero --help».</translation>
    </message>
</context>
<context>
    <name>EntryEditing</name>
    <message>
        <source>%1: the value %2; the page keeps %3</source>
        <translation>%1: el valor %2; la página conserva %3</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Halvero settings files (*.halvero)</source>
        <translation>Archivos de ajustes de Halvero (*.halvero)</translation>
    </message>
    <message>
        <source>Web pages (*.htm *.html)</source>
        <translation>Páginas web (*.htm *.html)</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Abrir ajustes</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Write page to</source>
        <translation>Escribir la página en</translation>
    </message>
    <message>
        <source>Write menu code to</source>
        <translation>Escribir el código del menú en</translation>
    </message>
    <message>
        <source>Import navigation from</source>
        <translation>Importar la navegación de</translation>
    </message>
    <message>
        <source>%1 (in %2)</source>
        <translation>%1 (en %2)</translation>
    </message>
    <message>
        <source>this menu</source>
        <translation>este menú</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>¿Guardar los cambios de %1?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don&apos;t save them.</source>
        <translation>Sus cambios se perderán si no los guarda.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>The settings file could not be opened.</source>
        <translation>No se pudo abrir el archivo de ajustes.</translation>
    </message>
    <message>
        <source>The menu shows all of its own items (%1).</source>
        <translation>El menú muestra todos sus propios elementos (%1).</translation>
    </message>
    <message>
        <source>%1 gives Menu Item Count %2, which is not the number of its items. Save it to keep the count of its items.</source>
        <translation>%1 da un número de elementos de %2, que no es el número de sus elementos. Guárdelo para conservar el número de sus elementos.</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> y %n más</numerusform>
            <numerusform> y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>The settings file was opened, but Halvero does not know some of its keys and left them out.</source>
        <translation>El archivo de ajustes se abrió, pero Halvero no conoce algunas de sus claves y las ha omitido.</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it.</source>
        <translation>%1 fue modificado por otro programa desde que lo abrió.</translation>
    </message>
    <message>
        <source>Overwrite it with your menu, or reload it and lose your changes?</source>
        <translation>¿Sobrescribirlo con su menú, o volver a cargarlo y perder sus cambios?</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Sobrescribir</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Volver a cargar</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>No se pudieron guardar los ajustes.</translation>
    </message>
    <message>
        <source>%1 is a whole web page.</source>
        <translation>%1 es una página web entera.</translation>
    </message>
    <message>
        <source>Writing the menu code there replaces the whole page with the menu alone. To put the menu into the page, use Copy Menu Code and paste it. Replace the page?</source>
        <translation>Escribir allí el código del menú sustituye la página entera por el menú solo. Para poner el menú en la página, use Copiar código del menú y péguelo. ¿Sustituir la página?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Sustituir</translation>
    </message>
    <message>
        <source>&amp;Keep the page</source>
        <translation>&amp;Conservar la página</translation>
    </message>
    <message>
        <source>The menu code could not be written.</source>
        <translation>No se pudo escribir el código del menú.</translation>
    </message>
    <message>
        <source>Menu code written to %1</source>
        <translation>Código del menú escrito en %1</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>No se pudo escribir la página.</translation>
    </message>
    <message>
        <source>Page written to %1</source>
        <translation>Página escrita en %1</translation>
    </message>
    <message>
        <source>The navigation of %1 cannot be read</source>
        <translation>No se puede leer la navegación de %1</translation>
    </message>
    <message>
        <source>Import Navigation</source>
        <translation>Importar navegación</translation>
    </message>
    <message>
        <source>%1 holds a navigation of %2 items. Replace the menu&apos;s items with them?</source>
        <translation>%1 contiene una navegación de %2 elementos. ¿Sustituir los elementos del menú por ellos?</translation>
    </message>
    <message>
        <source>&amp;Replace Items</source>
        <translation>&amp;Sustituir los elementos</translation>
    </message>
    <message>
        <source>%1 items read from %2</source>
        <translation>%1 elementos leídos de %2</translation>
    </message>
</context>
<context>
    <name>LivePreviewDock</name>
    <message>
        <source>Live Preview</source>
        <translation>Vista previa en vivo</translation>
    </message>
    <message>
        <source>Ph&amp;one</source>
        <translation>&amp;Teléfono</translation>
    </message>
    <message>
        <source>As on a phone, 375 pixels wide</source>
        <translation>Como en un teléfono, 375 píxeles de ancho</translation>
    </message>
    <message>
        <source>&amp;Tablet</source>
        <translation>T&amp;ableta</translation>
    </message>
    <message>
        <source>As on a tablet, 768 pixels wide</source>
        <translation>Como en una tableta, 768 píxeles de ancho</translation>
    </message>
    <message>
        <source>F&amp;ill</source>
        <translation>&amp;Llenar</translation>
    </message>
    <message>
        <source>As wide as the dock</source>
        <translation>Tan ancho como el panel</translation>
    </message>
    <message>
        <source>Sho&amp;w:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <source>The menu alone, or in one of the site&apos;s pages as Update Site writes it</source>
        <translation>El menú solo, o en una de las páginas del sitio tal como la escribe Actualizar sitio</translation>
    </message>
    <message>
        <source>The preview is starting…</source>
        <translation>La vista previa se está iniciando…</translation>
    </message>
    <message>
        <source>The preview could not be started: %1</source>
        <translation>No se pudo iniciar la vista previa: %1</translation>
    </message>
    <message>
        <source>The menu alone</source>
        <translation>El menú solo</translation>
    </message>
</context>
<context>
    <name>LivePreviewView</name>
    <message>
        <source>This item leads to %1</source>
        <translation>Este elemento lleva a %1</translation>
    </message>
</context>
<context>
    <name>LookDialog</name>
    <message>
        <source>Services</source>
        <translation>Servicios</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>Hosting</source>
        <translation>Alojamiento</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>New From Look</source>
        <translation>Nuevo a partir de un tema</translation>
    </message>
    <message>
        <source>Apply Look</source>
        <translation>Aplicar tema</translation>
    </message>
    <message>
        <source>A new menu in the look you pick; a modern look&apos;s links open in the same tab.</source>
        <translation>Un menú nuevo con el tema que elija; los enlaces de un tema moderno se abren en la misma pestaña.</translation>
    </message>
    <message>
        <source>The look you pick replaces the menu&apos;s colours, fonts, sizes and page style; its items, target and site stay. Undo takes it back.</source>
        <translation>El tema que elija sustituye los colores, fuentes, tamaños y estilo de página del menú; sus elementos, destino y sitio se mantienen. Deshacer lo revierte.</translation>
    </message>
    <message>
        <source>&amp;Looks:</source>
        <translation>&amp;Temas:</translation>
    </message>
    <message>
        <source>&amp;New Menu</source>
        <translation>&amp;Nuevo menú</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>New From &amp;Look...</source>
        <translation>Nuevo a partir de un &amp;tema...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Write Page To...</source>
        <translation>&amp;Escribir página en...</translation>
    </message>
    <message>
        <source>&amp;Import Navigation...</source>
        <translation>&amp;Importar navegación...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Menu &amp;Items...</source>
        <translation>&amp;Elementos del menú...</translation>
    </message>
    <message>
        <source>&amp;Create Page File</source>
        <translation>&amp;Crear archivo de página</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>&amp;Live Preview</source>
        <translation>Vista previa en v&amp;ivo</translation>
    </message>
    <message>
        <source>Page &amp;Style...</source>
        <translation>E&amp;stilo de página...</translation>
    </message>
    <message>
        <source>Apply Loo&amp;k...</source>
        <translation>Aplicar &amp;tema...</translation>
    </message>
    <message>
        <source>Copy Menu &amp;Code</source>
        <translation>Copiar &amp;código del menú</translation>
    </message>
    <message>
        <source>Copy St&amp;yle</source>
        <translation>Copiar est&amp;ilo</translation>
    </message>
    <message>
        <source>Copy &amp;Navigation</source>
        <translation>Copiar &amp;navegación</translation>
    </message>
    <message>
        <source>Write &amp;Fragment To...</source>
        <translation>Escribir &amp;fragmento en...</translation>
    </message>
    <message>
        <source>&amp;Update Site...</source>
        <translation>Act&amp;ualizar sitio...</translation>
    </message>
    <message>
        <source>&amp;About Halvero</source>
        <translation>Acerca &amp;de Halvero</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Page</source>
        <translation>&amp;Página</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>MainControls</name>
    <message>
        <source>Choose %1</source>
        <translation>Elegir %1</translation>
    </message>
    <message>
        <source>The number of the menu&apos;s own items (Edit &gt; Menu Items, Ctrl+I)</source>
        <translation>El número de elementos propios del menú (Editar &gt; Elementos del menú, Ctrl+I)</translation>
    </message>
</context>
<context>
    <name>MainLayout</name>
    <message>
        <source>Create HTML Page File</source>
        <translation>Crear archivo de página HTML</translation>
    </message>
    <message>
        <source>Preview HTML Page File</source>
        <translation>Vista previa del archivo HTML</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Menu code copied to the clipboard</source>
        <translation>Código del menú copiado al portapapeles</translation>
    </message>
    <message>
        <source>Menu style copied to the clipboard: paste it into the page&apos;s &lt;head&gt;</source>
        <translation>Estilo del menú copiado al portapapeles: péguelo en el &lt;head&gt; de la página</translation>
    </message>
    <message>
        <source>Menu navigation copied to the clipboard: paste it where the menu goes</source>
        <translation>Navegación del menú copiada al portapapeles: péguela donde va el menú</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>The program&apos;s folder cannot be written, so the page was written to your own folder:</source>
        <translation>No se puede escribir en la carpeta del programa, así que la página se escribió en su propia carpeta:</translation>
    </message>
    <message>
        <source>Page written to %1; the classic page shows the top-level items only</source>
        <translation>Página escrita en %1; la página clásica solo muestra los elementos de primer nivel</translation>
    </message>
    <message>
        <source>Page written to %1</source>
        <translation>Página escrita en %1</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>No se pudo escribir la página.</translation>
    </message>
    <message>
        <source>Menu Items</source>
        <translation>Elementos del menú</translation>
    </message>
    <message>
        <source>The classic page shows the top-level items only; pick Modern in Page &gt; Page Style... to show the sub-menus</source>
        <translation>La página clásica solo muestra los elementos de primer nivel; elija Moderna en Página &gt; Estilo de página... para mostrar los submenús</translation>
    </message>
    <message>
        <source>Apply Look %1</source>
        <translation>Aplicar el tema %1</translation>
    </message>
    <message>
        <source>Site updated: %1</source>
        <translation>Sitio actualizado: %1</translation>
    </message>
    <message>
        <source>The preview could not be opened.</source>
        <translation>No se pudo abrir la vista previa.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>¿Desea salir?</translation>
    </message>
</context>
<context>
    <name>MenuDocument</name>
    <message>
        <source>Typing</source>
        <translation>Escritura</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Page Style</source>
        <translation>Estilo de página</translation>
    </message>
    <message>
        <source>Site Folder</source>
        <translation>Carpeta del sitio</translation>
    </message>
</context>
<context>
    <name>MenuItemsDialog</name>
    <message>
        <source>Menu Items</source>
        <translation>Elementos del menú</translation>
    </message>
    <message>
        <source>Menu items</source>
        <translation>Elementos del menú</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Add an item after this one (Insert)</source>
        <translation>Añadir un elemento después de este (Insert)</translation>
    </message>
    <message>
        <source>Add &amp;Sub-item</source>
        <translation>Añadir &amp;subelemento</translation>
    </message>
    <message>
        <source>Add an item to this one&apos;s sub-menu</source>
        <translation>Añadir un elemento al submenú de este</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Remove the selected items and their sub-menus (Delete)</source>
        <translation>Quitar los elementos elegidos y sus submenús (Supr)</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Subi&amp;r</translation>
    </message>
    <message>
        <source>Move the item up (Alt+Up)</source>
        <translation>Subir el elemento (Alt+Arriba)</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Move the item down (Alt+Down)</source>
        <translation>Bajar el elemento (Alt+Abajo)</translation>
    </message>
    <message>
        <source>&amp;Indent</source>
        <translation>Sa&amp;ngrar</translation>
    </message>
    <message>
        <source>Put the item in the sub-menu of the one above it (Tab, Alt+Right)</source>
        <translation>Poner el elemento en el submenú del de encima (Tab, Alt+Derecha)</translation>
    </message>
    <message>
        <source>&amp;Outdent</source>
        <translation>Quitar san&amp;gría</translation>
    </message>
    <message>
        <source>Take the item out of its sub-menu (Shift+Tab, Alt+Left)</source>
        <translation>Sacar el elemento de su submenú (Mayús+Tab, Alt+Izquierda)</translation>
    </message>
    <message>
        <source>Each row is one item of the menu, in the order shown; an indented row is in the sub-menu of the row above it. Paste rows copied from a spreadsheet (label, link) with Ctrl+V, &quot;&gt;&quot; before a label for each level down. Ctrl+Tab leaves the list.</source>
        <translation>Cada fila es un elemento del menú, en el orden mostrado; una fila sangrada está en el submenú de la fila de encima. Pegue filas copiadas de una hoja de cálculo (etiqueta, enlace) con Ctrl+V, «&gt;» delante de una etiqueta por cada nivel más abajo. Ctrl+Tab sale de la lista.</translation>
    </message>
    <message>
        <source>Labels and links in lan&amp;guage:</source>
        <translation>Etiquetas y enlaces en el &amp;idioma:</translation>
    </message>
    <message>
        <source>A menu holds at most %1 items; this one would make it more.</source>
        <translation>Un menú tiene como mucho %1 elementos; este haría que tuviera más.</translation>
    </message>
    <message>
        <source>A menu holds at most %1 items; these %2 would make it more.</source>
        <translation>Un menú tiene como mucho %1 elementos; estos %2 harían que tuviera más.</translation>
    </message>
    <message>
        <source>A menu has at most %1 levels: this item&apos;s sub-menu would be a fourth.</source>
        <translation>Un menú tiene como mucho %1 niveles: el submenú de este elemento sería un cuarto.</translation>
    </message>
    <message>
        <source>Nothing was pasted: a list of items is a few KB, this is %1 KB.</source>
        <translation>No se pegó nada: una lista de elementos ocupa unos pocos KB, esto ocupa %1 KB.</translation>
    </message>
    <message>
        <source>Nothing was pasted: %1</source>
        <translation>No se pegó nada: %1</translation>
    </message>
    <message>
        <source>Rows after the %1th are kept but not in the page, which shows %1 items.</source>
        <translation>Las filas después de la %1.ª se conservan pero no están en la página, que muestra %1 elementos.</translation>
    </message>
    <message>
        <source>The classic page shows the top-level items only; pick Modern in Page &gt; Page Style... to show the sub-menus.</source>
        <translation>La página clásica solo muestra los elementos de primer nivel; elija Moderna en Página &gt; Estilo de página... para mostrar los submenús.</translation>
    </message>
</context>
<context>
    <name>MenuItemsModel</name>
    <message>
        <source>New tab</source>
        <translation>Pestaña nueva</translation>
    </message>
    <message>
        <source>Same frame</source>
        <translation>Mismo marco</translation>
    </message>
    <message>
        <source>Parent frame</source>
        <translation>Marco padre</translation>
    </message>
    <message>
        <source>Whole window</source>
        <translation>Ventana entera</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Escritura</translation>
    </message>
    <message>
        <source>%1 (menu&apos;s Target)</source>
        <translation>%1 (destino del menú)</translation>
    </message>
    <message>
        <source>No %1 label yet: the page shows the first language&apos;s</source>
        <translation>Aún sin etiqueta en %1: la página muestra la del primer idioma</translation>
    </message>
    <message>
        <source>No %1 link of its own: the page leads here, in the language&apos;s folder</source>
        <translation>Sin enlace propio en %1: la página lleva aquí, en la carpeta del idioma</translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation>Nivel 1</translation>
    </message>
    <message>
        <source>Level %1, in %2</source>
        <translation>Nivel %1, en %2</translation>
    </message>
    <message>
        <source>Not in the page, which shows the first %1</source>
        <translation>No está en la página, que muestra los %1 primeros</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Tooltip</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Opens in</source>
        <translation>Se abre en</translation>
    </message>
    <message>
        <source>Current page</source>
        <translation>Página actual</translation>
    </message>
    <message>
        <source>The item of the page the menu is on: marked for screen readers (Space ticks it)</source>
        <translation>El elemento de la página en la que está el menú: marcado para los lectores de pantalla (Espacio lo marca)</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>Añadir elemento</translation>
    </message>
    <message>
        <source>Add Sub-item</source>
        <translation>Añadir subelemento</translation>
    </message>
    <message>
        <source>Remove Items</source>
        <translation>Quitar elementos</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>Sangrar</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>Quitar sangría</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>Mover elemento</translation>
    </message>
</context>
<context>
    <name>MenuLook</name>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>The page of old: blue Tahoma on cream, raised borders.</source>
        <translation>La página de siempre: Tahoma azul sobre crema, bordes en relieve.</translation>
    </message>
    <message>
        <source>Brand bar</source>
        <translation>Barra de marca</translation>
    </message>
    <message>
        <source>A dark bar of white labels; sub-menus drop in a shadowed panel.</source>
        <translation>Una barra oscura de etiquetas blancas; los submenús se despliegan en un panel con sombra.</translation>
    </message>
    <message>
        <source>Underline tabs</source>
        <translation>Pestañas subrayadas</translation>
    </message>
    <message>
        <source>A white bar whose current item is blue and underlined, like a tab.</source>
        <translation>Una barra blanca cuyo elemento actual es azul y subrayado, como una pestaña.</translation>
    </message>
    <message>
        <source>Pills</source>
        <translation>Píldoras</translation>
    </message>
    <message>
        <source>Rounded items on a white bar, the current one filled in indigo.</source>
        <translation>Elementos redondeados en una barra blanca, el actual relleno de índigo.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Barra lateral</translation>
    </message>
    <message>
        <source>A dark column down the page&apos;s side; sub-menus open under their items.</source>
        <translation>Una columna oscura a lo largo de la página; los submenús se abren bajo sus elementos.</translation>
    </message>
</context>
<context>
    <name>PageStyleDialog</name>
    <message>
        <source>Page Style</source>
        <translation>Estilo de página</translation>
    </message>
    <message>
        <source>&amp;Classic (XHTML, as always)</source>
        <translation>&amp;Clásica (XHTML, como siempre)</translation>
    </message>
    <message>
        <source>&amp;Modern (HTML5 and CSS)</source>
        <translation>&amp;Moderna (HTML5 y CSS)</translation>
    </message>
    <message>
        <source>Page style:</source>
        <translation>Estilo de página:</translation>
    </message>
    <message>
        <source>The modern page&apos;s own look; the classic page keeps its own.</source>
        <translation>El aspecto propio de la página moderna; la página clásica conserva el suyo.</translation>
    </message>
    <message>
        <source>B&amp;ar</source>
        <translation>&amp;Barra</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>as the item</source>
        <translation>como el elemento</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Narrower screens show the menu button; a width such as 40em or 600px, or never</source>
        <translation>Las pantallas más estrechas muestran el botón de menú; un ancho como 40em o 600px, o never</translation>
    </message>
    <message>
        <source>Choose the bar colour</source>
        <translation>Elegir el color de la barra</translation>
    </message>
    <message>
        <source>One to four lengths: all sides, or top and bottom then the sides</source>
        <translation>De una a cuatro longitudes: todos los lados, o arriba y abajo y luego los lados</translation>
    </message>
    <message>
        <source>At the start</source>
        <translation>Al principio</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>Centrado</translation>
    </message>
    <message>
        <source>At the end</source>
        <translation>Al final</translation>
    </message>
    <message>
        <source>Spread out</source>
        <translation>Repartido</translation>
    </message>
    <message>
        <source>Fixed: the Menu Item Width</source>
        <translation>Fijo: el ancho de los elementos</translation>
    </message>
    <message>
        <source>As wide as its label</source>
        <translation>Tan ancho como su etiqueta</translation>
    </message>
    <message>
        <source>Empty for the Menu Items Distance, or a length</source>
        <translation>Vacío para la distancia entre elementos, o una longitud</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Medium (500)</source>
        <translation>Media (500)</translation>
    </message>
    <message>
        <source>Semi-bold (600)</source>
        <translation>Seminegrita (600)</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>0 for square corners; 999px rounds the ends into pills</source>
        <translation>0 para esquinas rectas; 999px redondea los extremos en píldoras</translation>
    </message>
    <message>
        <source>Choose the current item&apos;s text colour</source>
        <translation>Elegir el color del texto del elemento actual</translation>
    </message>
    <message>
        <source>Choose the current item&apos;s background</source>
        <translation>Elegir el fondo del elemento actual</translation>
    </message>
    <message>
        <source>Sub-menu pa&amp;nel</source>
        <translation>&amp;Panel de submenús</translation>
    </message>
    <message>
        <source>The panel a sub-menu drops in below a bar; an empty colour is the bar&apos;s item&apos;s.</source>
        <translation>El panel en el que se despliega un submenú bajo una barra; un color vacío es el del elemento de la barra.</translation>
    </message>
    <message>
        <source>Choose the panel&apos;s background</source>
        <translation>Elegir el fondo del panel</translation>
    </message>
    <message>
        <source>Choose the panel&apos;s text colour</source>
        <translation>Elegir el color del texto del panel</translation>
    </message>
    <message>
        <source>Choose a hovered sub-item&apos;s background</source>
        <translation>Elegir el fondo de un subelemento señalado</translation>
    </message>
    <message>
        <source>Choose a hovered sub-item&apos;s text colour</source>
        <translation>Elegir el color del texto de un subelemento señalado</translation>
    </message>
    <message>
        <source>One to four lengths: the room inside the panel</source>
        <translation>De una a cuatro longitudes: el espacio dentro del panel</translation>
    </message>
    <message>
        <source>Choose the line between sub-items</source>
        <translation>Elegir la línea entre subelementos</translation>
    </message>
    <message>
        <source>0 for square corners</source>
        <translation>0 para esquinas rectas</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Marcada</translation>
    </message>
    <message>
        <source>The panel is as wide as its widest label up to this; longer labels wrap</source>
        <translation>El panel es tan ancho como su etiqueta más ancha, hasta este valor; las etiquetas más largas se parten</translation>
    </message>
    <message>
        <source>Language and wor&amp;ds</source>
        <translation>Idioma y &amp;palabras</translation>
    </message>
    <message>
        <source>The page&apos;s language, and the words it writes of its own for visitors and screen readers; an empty word is the language&apos;s.</source>
        <translation>El idioma de la página y las palabras que escribe por sí misma para los visitantes y los lectores de pantalla; una palabra vacía es la del idioma.</translation>
    </message>
    <message>
        <source>A language tag such as en, de, pt-BR or ar</source>
        <translation>Una etiqueta de idioma como en, de, pt-BR o ar</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>The default language first, its folder empty for the site&apos;s root; each other in a folder of its own (de/)</source>
        <translation>El idioma predeterminado primero, su carpeta vacía para la raíz del sitio; cada otro en una carpeta propia (de/)</translation>
    </message>
    <message>
        <source>Site&apos;s languages and &amp;folders:</source>
        <translation>Idiomas y &amp;carpetas del sitio:</translation>
    </message>
    <message>
        <source>Add lang&amp;uage</source>
        <translation>Añadir i&amp;dioma</translation>
    </message>
    <message>
        <source>&amp;Remove language</source>
        <translation>&amp;Quitar idioma</translation>
    </message>
    <message>
        <source>Lead to the default language&apos;s page</source>
        <translation>Llevar a la página del idioma predeterminado</translation>
    </message>
    <message>
        <source>Leave the item out</source>
        <translation>Omitir el elemento</translation>
    </message>
    <message>
        <source>Lead to the language&apos;s home page</source>
        <translation>Llevar a la página de inicio del idioma</translation>
    </message>
    <message>
        <source>Site&apos;s languages: %1; the menu keeps the ones before.</source>
        <translation>Idiomas del sitio: %1; el menú conserva los anteriores.</translation>
    </message>
    <message>
        <source>Site Languages</source>
        <translation>Idiomas del sitio</translation>
    </message>
    <message>
        <source>%1: the value %2; the page keeps %3.</source>
        <translation>%1: el valor %2; la página conserva %3.</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>HTML Preview</source>
        <translation>Vista previa HTML</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>This item leads to %1</source>
        <translation>Este elemento lleva a %1</translation>
    </message>
</context>
<context>
    <name>SettingTable</name>
    <message>
        <source>Menu Settings</source>
        <translation>Ajustes del menú</translation>
    </message>
    <message>
        <source>Normal Menu Item</source>
        <translation>Elemento normal</translation>
    </message>
    <message>
        <source>Hover Menu Item</source>
        <translation>Elemento señalado</translation>
    </message>
    <message>
        <source>Page Style</source>
        <translation>Estilo de página</translation>
    </message>
    <message>
        <source>Menu Item Count</source>
        <translation>Número de elementos</translation>
    </message>
    <message>
        <source>Menu Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Menu Items Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Menu Item Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Menu Item Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Show URL in Statusbar</source>
        <translation>Mostrar URL</translation>
    </message>
    <message>
        <source>Message in Statusbar</source>
        <translation>Mensaje de estado</translation>
    </message>
    <message>
        <source>Font Name</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Border Left Width</source>
        <translation>Borde izq. ancho</translation>
    </message>
    <message>
        <source>Border Left Type</source>
        <translation>Borde izq. tipo</translation>
    </message>
    <message>
        <source>Border Left Color</source>
        <translation>Borde izq. color</translation>
    </message>
    <message>
        <source>Border Top Width</source>
        <translation>Borde sup. ancho</translation>
    </message>
    <message>
        <source>Border Top Type</source>
        <translation>Borde sup. tipo</translation>
    </message>
    <message>
        <source>Border Top Color</source>
        <translation>Borde sup. color</translation>
    </message>
    <message>
        <source>Border Right Width</source>
        <translation>Borde der. ancho</translation>
    </message>
    <message>
        <source>Border Right Type</source>
        <translation>Borde der. tipo</translation>
    </message>
    <message>
        <source>Border Right Color</source>
        <translation>Borde der. color</translation>
    </message>
    <message>
        <source>Border Bottom Width</source>
        <translation>Borde inf. ancho</translation>
    </message>
    <message>
        <source>Border Bottom Type</source>
        <translation>Borde inf. tipo</translation>
    </message>
    <message>
        <source>Border Bottom Color</source>
        <translation>Borde inf. color</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Fold into a menu button below</source>
        <translation>Plegar en un botón de menú por debajo de</translation>
    </message>
    <message>
        <source>Menu button label</source>
        <translation>Etiqueta del botón de menú</translation>
    </message>
    <message>
        <source>Bar colour</source>
        <translation>Color de la barra</translation>
    </message>
    <message>
        <source>Item padding</source>
        <translation>Relleno de los elementos</translation>
    </message>
    <message>
        <source>Items on the bar</source>
        <translation>Elementos en la barra</translation>
    </message>
    <message>
        <source>Item width</source>
        <translation>Ancho de los elementos</translation>
    </message>
    <message>
        <source>Current item text colour</source>
        <translation>Color del texto del elemento actual</translation>
    </message>
    <message>
        <source>Current item background</source>
        <translation>Fondo del elemento actual</translation>
    </message>
    <message>
        <source>Underline the current item</source>
        <translation>Subrayar el elemento actual</translation>
    </message>
    <message>
        <source>Site served under</source>
        <translation>Sitio servido bajo</translation>
    </message>
    <message>
        <source>Site address</source>
        <translation>Dirección del sitio</translation>
    </message>
    <message>
        <source>Pages left out</source>
        <translation>Páginas omitidas</translation>
    </message>
    <message>
        <source>Skip link to</source>
        <translation>Enlace de salto a</translation>
    </message>
    <message>
        <source>One stylesheet at</source>
        <translation>Una hoja de estilo en</translation>
    </message>
    <message>
        <source>Font weight</source>
        <translation>Grosor de fuente</translation>
    </message>
    <message>
        <source>Corner radius</source>
        <translation>Radio de las esquinas</translation>
    </message>
    <message>
        <source>Gap between items</source>
        <translation>Separación entre elementos</translation>
    </message>
    <message>
        <source>Panel width at most</source>
        <translation>Ancho máximo del panel</translation>
    </message>
    <message>
        <source>Panel background</source>
        <translation>Fondo del panel</translation>
    </message>
    <message>
        <source>Panel text colour</source>
        <translation>Color del texto del panel</translation>
    </message>
    <message>
        <source>Panel hovered background</source>
        <translation>Fondo señalado del panel</translation>
    </message>
    <message>
        <source>Panel hovered text colour</source>
        <translation>Texto señalado del panel</translation>
    </message>
    <message>
        <source>Panel padding</source>
        <translation>Relleno del panel</translation>
    </message>
    <message>
        <source>Line between sub-items</source>
        <translation>Línea entre subelementos</translation>
    </message>
    <message>
        <source>Panel corner radius</source>
        <translation>Radio de las esquinas del panel</translation>
    </message>
    <message>
        <source>Panel shadow</source>
        <translation>Sombra del panel</translation>
    </message>
    <message>
        <source>Page language</source>
        <translation>Idioma de la página</translation>
    </message>
    <message>
        <source>Menu&apos;s name</source>
        <translation>Nombre del menú</translation>
    </message>
    <message>
        <source>Sub-menu button&apos;s name</source>
        <translation>Nombre del botón de submenú</translation>
    </message>
    <message>
        <source>New tab note</source>
        <translation>Aviso de pestaña nueva</translation>
    </message>
    <message>
        <source>Breadcrumb&apos;s name</source>
        <translation>Nombre de la ruta de navegación</translation>
    </message>
    <message>
        <source>Skip link&apos;s text</source>
        <translation>Texto del enlace de salto</translation>
    </message>
    <message>
        <source>Language list&apos;s name</source>
        <translation>Nombre de la lista de idiomas</translation>
    </message>
    <message>
        <source>An item&apos;s page missing in a language</source>
        <translation>Página ausente en un idioma</translation>
    </message>
    <message>
        <source>Alternate links in the head</source>
        <translation>Enlaces alternativos en la cabecera</translation>
    </message>
</context>
<context>
    <name>SiteDialog</name>
    <message>
        <source>The Site&apos;s Folder</source>
        <translation>La carpeta del sitio</translation>
    </message>
    <message>
        <source>Put the menu in place of the &amp;navigation of pages without markers</source>
        <translation>Poner el menú en lugar de la &amp;navegación de las páginas sin marcas</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Update Site</source>
        <translation>Actualizar sitio</translation>
    </message>
    <message>
        <source>Writes the menu into every page of the site&apos;s folder between the markers &lt;!-- halvero-menu --&gt; and &lt;!-- /halvero-menu --&gt; (and its style between &lt;!-- halvero-menu-style --&gt; and &lt;!-- /halvero-menu-style --&gt;), each page with its own current item and links. Nothing else in a page changes.</source>
        <translation>Escribe el menú en cada página de la carpeta del sitio entre las marcas &lt;!-- halvero-menu --&gt; y &lt;!-- /halvero-menu --&gt; (y su estilo entre &lt;!-- halvero-menu-style --&gt; y &lt;!-- /halvero-menu-style --&gt;), cada página con su propio elemento actual y sus enlaces. Nada más cambia en una página.</translation>
    </message>
    <message>
        <source>Site &amp;folder:</source>
        <translation>&amp;Carpeta del sitio:</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Elegir...</translation>
    </message>
    <message>
        <source>In a page without markers, the &lt;nav&gt; whose links are most of the menu&apos;s gives way to the menu and its markers.</source>
        <translation>En una página sin marcas, el &lt;nav&gt; cuyos enlaces son en su mayoría los del menú deja su sitio al menú y sus marcas.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Qué ocurre</translation>
    </message>
    <message>
        <source>Reading the pages...</source>
        <translation>Leyendo las páginas...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Actualizando...</translation>
    </message>
    <message>
        <source>No markers, and no &lt;nav&gt; with the menu&apos;s links: left alone</source>
        <translation>Sin marcas, y sin &lt;nav&gt; con los enlaces del menú: se deja como está</translation>
    </message>
    <message>
        <source>Menu put in place of its &lt;nav&gt; (line %1)</source>
        <translation>Menú puesto en lugar de su &lt;nav&gt; (línea %1)</translation>
    </message>
    <message>
        <source>Updated (its hard link&apos;s other name keeps the old page)</source>
        <translation>Actualizada (el otro nombre de su enlace duro conserva la página antigua)</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Actualizada</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Sin cambios</translation>
    </message>
    <message>
        <source>Not updated (cancelled)</source>
        <translation>No actualizada (cancelado)</translation>
    </message>
    <message>
        <source>Put the menu in place of its &lt;nav&gt; (line %1)</source>
        <translation>Poner el menú en lugar de su &lt;nav&gt; (línea %1)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>No markers: left alone</source>
        <translation>Sin marcas: se deja como está</translation>
    </message>
    <message>
        <source>Excluded by the settings: left alone</source>
        <translation>Excluida por los ajustes: se deja como está</translation>
    </message>
    <message>
        <source>Left alone: %1</source>
        <translation>Se deja como está: %1</translation>
    </message>
    <message>
        <source>Not a page: %1</source>
        <translation>No es una página: %1</translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation>No se puede leer: %1</translation>
    </message>
    <message>
        <source>Not written: %1</source>
        <translation>No escrita: %1</translation>
    </message>
    <message>
        <source>The site cannot be updated now: %1</source>
        <translation>No se puede actualizar el sitio ahora: %1</translation>
    </message>
    <message>
        <source>Menu item</source>
        <translation>Elemento del menú</translation>
    </message>
    <message>
        <source>Cannot read this folder: %1</source>
        <translation>No se puede leer esta carpeta: %1</translation>
    </message>
    <message>
        <source>A copy left by a write that was stopped: Update removes it</source>
        <translation>Una copia que dejó una escritura interrumpida: Actualizar la quita</translation>
    </message>
    <message>
        <source>Not removed: %1</source>
        <translation>No quitada: %1</translation>
    </message>
    <message>
        <source>1 page: </source>
        <translation>1 página: </translation>
    </message>
    <message>
        <source>%1 pages: </source>
        <translation>%1 páginas: </translation>
    </message>
    <message>
        <source>%1 to update, %2 unchanged</source>
        <translation>%1 por actualizar, %2 sin cambios</translation>
    </message>
    <message>
        <source>%1 updated, %2 unchanged</source>
        <translation>%1 actualizadas, %2 sin cambios</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, %1 fallidas</translation>
    </message>
    <message>
        <source>; %1 without markers</source>
        <translation>; %1 sin marcas</translation>
    </message>
    <message>
        <source>; %1 folders not read</source>
        <translation>; %1 carpetas sin leer</translation>
    </message>
    <message>
        <source> (cancelled)</source>
        <translation> (cancelado)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>
