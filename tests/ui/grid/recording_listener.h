#pragma once

#include "ui/grid/grid_model.h"

#include <string>
#include <vector>

namespace vq::test {

/// Records what a GridModel reports and answers changing notifications.
class RecordingListener : public GridListener {
public:
    void rowsInserted(int position, int count) override { inserted.emplace_back(position, count); }
    void rowsRemoved(int position, int count) override { removed.emplace_back(position, count); }
    int notify(const GridNotification& note) override
    {
        notes.push_back(note);
        return note.phase == NotifyPhase::Changing ? refuse : 0;
    }
    void message(const std::string& text, const std::string& caption) override
    {
        messages.push_back(caption + ": " + text);
    }

    std::vector<NotifyAction> actions() const
    {
        std::vector<NotifyAction> out;
        for (const auto& note : notes)
            out.push_back(note.action);
        return out;
    }

    int refuse = 0;
    std::vector<GridNotification> notes;
    std::vector<std::string> messages;
    std::vector<std::pair<int, int>> inserted;
    std::vector<std::pair<int, int>> removed;
};

} // namespace vq::test
