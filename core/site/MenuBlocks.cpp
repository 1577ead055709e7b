#include "core/site/MenuBlocks.h"

#include "core/page/Breadcrumb.h"
#include "core/page/ModernPage.h"
#include "core/page/PageModel.h"

namespace halvero {

namespace {

// Folders kept at once: enough for the pages the threads of a run are on,
// few enough that a site of many small folders stays small in memory.
constexpr std::size_t kFoldersKept = 64;

} // namespace

MenuBlocks::MenuBlocks(const MenuSettings& settings, bool sharedScript,
                       const SiteLanguages::Pages* pages)
    : m_settings(settings), m_sharedScript(sharedScript),
      m_pages(pages ? std::optional(*pages) : std::nullopt),
      m_languages(settings, m_pages ? &*m_pages : nullptr),
      m_menuPages(PageModel::sitePages(settings)) {
    for (int i = 0; i < static_cast<int>(settings.languages().size()); ++i)
        m_menuPages.merge(PageModel::sitePages(m_languages.settingsIn(i)));
}

std::shared_ptr<const MenuBlocks::Blocks> MenuBlocks::of(std::string_view pagePath) const {
    if (m_menuPages.contains(pagePath))
        return std::make_shared<const Blocks>(make(pagePath));
    const std::string_view folder = pagePath.substr(0, pagePath.rfind('/') + 1);
    {
        const std::lock_guard lock(m_mutex);
        if (const auto found = m_folders.find(folder); found != m_folders.end())
            return found->second;
    }
    auto blocks = std::make_shared<const Blocks>(make(pagePath));
    const std::lock_guard lock(m_mutex);
    if (m_folders.size() >= kFoldersKept)
        m_folders.clear();
    return m_folders.emplace(std::string(folder), std::move(blocks)).first->second;
}

MenuBlocks::Blocks MenuBlocks::make(std::string_view pagePath) const {
    const int language = m_languages.languageOf(pagePath);
    PageModel model = PageModel::forSitePage(
        language < 0 ? m_settings : m_languages.settingsIn(language), pagePath);
    model.sharedScript = m_sharedScript;
    Blocks blocks;
    blocks.nav = ModernPage::nav(model);
    blocks.trail = Breadcrumb::html(model, m_settings.pageLook().value(PageLook::kSiteUrl));
    blocks.trailEmpty = model.trail.empty();
    if (model.skipLink)
        blocks.skipTo = model.look.value(PageLook::kSkipTo);
    return blocks;
}

} // namespace halvero
