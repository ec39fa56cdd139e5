#pragma once

#include <QList>

/// Undo and redo over whole snapshots of a small editing state: every
/// change records the state after it, undo and redo step between them.
/// It also knows whether the present is what was last saved, so a window
/// can ask before its unsaved work is lost.
template<typename State>
class SnapshotHistory
{
public:
    SnapshotHistory() : m_states{State()} {}

    /// Starts over at \a state, taken as saved.
    void reset(const State &state)
    {
        m_states = {state};
        m_present = 0;
        m_saved = state;
    }

    const State &present() const { return m_states.at(m_present); }

    /// Records \a state as the present, after the one shown now; whatever
    /// could be redone is dropped. A state equal to the present is no change.
    bool record(const State &state)
    {
        if (state == present())
            return false;
        m_states.erase(m_states.begin() + m_present + 1, m_states.end());
        m_states.append(state);
        ++m_present;
        return true;
    }

    bool canUndo() const { return m_present > 0; }
    bool canRedo() const { return m_present + 1 < m_states.size(); }
    /// Steps back (or on) one change and returns the state to show.
    const State &undo() { return m_states.at(canUndo() ? --m_present : m_present); }
    const State &redo() { return m_states.at(canRedo() ? ++m_present : m_present); }

    void markSaved() { m_saved = present(); }
    /// \a state reached the disk, later than it was shown: the present may
    /// have moved on since.
    void markSaved(const State &state) { m_saved = state; }
    const State &saved() const { return m_saved; }
    /// Whether the present equals the saved state, however it got there:
    /// a label moved and moved back, or the changes undone.
    bool isSaved() const { return present() == m_saved; }

private:
    QList<State> m_states;
    qsizetype m_present = 0;
    State m_saved;
};
