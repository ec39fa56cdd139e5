#include "bannerscroll.h"

#include <cstdlib>

namespace {
const int StepTwips = 4;
// Within this distance of home the text is readable, so it lingers there.
const int CrawlZoneTwips = 30;
} // namespace

BannerScroll::BannerScroll(int home, int height, int entries)
    : m_home(home)
    , m_height(height)
    , m_entries(entries)
    , m_top(home)
{
}

BannerScroll::Pace BannerScroll::step()
{
    // The pace follows where the text was before this step, not after it.
    const Pace pace = std::abs(m_top - m_home) < CrawlZoneTwips ? Pace::Crawl : Pace::Rush;
    m_top -= StepTwips;
    if (m_top + m_height < m_home) {
        m_top = m_home + m_height;
        m_index = m_index + 1 < m_entries ? m_index + 1 : 0;
    }
    return pace;
}
