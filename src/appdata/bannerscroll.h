#pragma once

/// Where the banner's text is and which entry it shows, moved one timer tick
/// at a time. Positions are whole twips, so the text takes the same steps
/// at any screen resolution.
class BannerScroll
{
public:
    enum class Pace { Crawl, Rush };

    /// home: the text's top at rest; height: the text's height (twips).
    BannerScroll(int home, int height, int entries);

    /// Moves the text up by one step, bringing the next entry in from below
    /// once the text has left the top. Returns the pace the tick was taken
    /// at: a crawl while the text passes its home, a rush elsewhere.
    Pace step();

    int top() const { return m_top; }
    int index() const { return m_index; }

private:
    int m_home;
    int m_height;
    int m_entries;
    int m_top;
    int m_index = 0;
};
