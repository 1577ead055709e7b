#include "core/page/PageWords.h"

#include "core/settings/LanguageTag.h"
#include "core/settings/PageLook.h"

#include "core/text/TextEncoding.h"

namespace halvero {

namespace {

// Each language's words as a native speaker's site would say them.
constexpr PageWords::Language kLanguages[] = {
    {"en", "English", "Menu", "{label}, sub-menu", "opens in a new tab", "Breadcrumb",
     "Skip to content", "Languages"},
    {"de", "Deutsch", "Menü", "{label}, Untermenü", "öffnet in einem neuen Tab",
     "Brotkrümelnavigation", "Zum Inhalt springen", "Sprachen"},
    {"fr", "Français", "Menu", "{label}, sous-menu", "s’ouvre dans un nouvel onglet",
     "Fil d’Ariane", "Aller au contenu", "Langues"},
    {"es", "Español", "Menú", "{label}, submenú", "se abre en una pestaña nueva",
     "Ruta de navegación", "Saltar al contenido", "Idiomas"},
    {"it", "Italiano", "Menu", "{label}, sottomenu", "si apre in una nuova scheda",
     "Percorso di navigazione", "Vai al contenuto", "Lingue"},
    {"pt", "Português", "Menu", "{label}, submenu", "abre em uma nova aba", "Trilha de navegação",
     "Pular para o conteúdo", "Idiomas"},
    {"nl", "Nederlands", "Menu", "{label}, submenu", "opent in een nieuw tabblad", "Kruimelpad",
     "Naar inhoud springen", "Talen"},
    {"pl", "Polski", "Menu", "{label}, podmenu", "otwiera się w nowej karcie", "Ścieżka nawigacji",
     "Przejdź do treści", "Języki"},
    {"sv", "Svenska", "Meny", "{label}, undermeny", "öppnas i en ny flik", "Brödsmulor",
     "Hoppa till innehållet", "Språk"},
    {"ru", "Русский", "Меню", "{label}, подменю", "открывается в новой вкладке",
     "Навигационная цепочка", "Перейти к содержимому", "Языки"},
    {"tr", "Türkçe", "Menü", "{label}, alt menü", "yeni sekmede açılır", "Sayfa yolu",
     "İçeriğe geç", "Diller"},
    {"ja", "日本語", "メニュー", "{label}、サブメニュー", "新しいタブで開きます", "パンくずリスト",
     "コンテンツへスキップ", "言語"},
    {"zh", "中文", "菜单", "{label}，子菜单", "在新标签页中打开", "面包屑导航", "跳到内容", "语言"},
    {"ar", "العربية", "القائمة", "{label}، قائمة فرعية", "يفتح في علامة تبويب جديدة", "مسار التنقل",
     "انتقل إلى المحتوى", "اللغات"},
    {"he", "עברית", "תפריט", "{label}, תפריט משנה", "נפתח בכרטיסייה חדשה", "פירורי לחם",
     "דילוג לתוכן", "שפות"},
};

const PageWords::Language* find(std::string_view tag) {
    const std::string wanted = asciiLower(tag);
    for (const PageWords::Language& language : kLanguages)
        if (language.tag == wanted)
            return &language;
    return nullptr;
}

} // namespace

std::span<const PageWords::Language> PageWords::languages() {
    return kLanguages;
}

PageWords PageWords::carried(std::string_view tag) {
    const Language* language = find(tag);
    if (!language)
        language = find(LanguageTag::language(tag));
    if (!language)
        language = &kLanguages[0];
    PageWords words;
    words.menu = language->menu;
    words.menuButton = language->menu;
    words.subMenu = language->subMenu;
    words.newTab = language->newTab;
    words.breadcrumb = language->breadcrumb;
    words.skipLink = language->skipLink;
    words.languageList = language->languageList;
    words.rightToLeft = LanguageTag::isRightToLeft(tag);
    return words;
}

PageWords PageWords::of(const PageLook& look) {
    PageWords words = carried(look.value(PageLook::kLanguage));
    const auto set = [&look](std::string& word, PageLook::Key key) {
        if (!look.value(key).empty())
            word = look.value(key);
    };
    set(words.menuButton, PageLook::kMenuButtonLabel);
    set(words.menu, PageLook::kMenuButtonLabel);
    set(words.menu, PageLook::kWordMenu);
    set(words.subMenu, PageLook::kWordSubMenu);
    set(words.newTab, PageLook::kWordNewTab);
    set(words.breadcrumb, PageLook::kWordBreadcrumb);
    set(words.skipLink, PageLook::kWordSkipLink);
    set(words.languageList, PageLook::kWordLanguages);
    return words;
}

std::string PageWords::subMenuName(std::string_view label) const {
    std::string name = subMenu;
    const std::size_t at = name.find(kLabel);
    if (at == std::string::npos)
        return std::string(label) + ", " + name;
    name.replace(at, kLabel.size(), label);
    return name;
}

} // namespace halvero
