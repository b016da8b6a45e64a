#include "NoteTable.h"

namespace tones {

std::optional<std::size_t> findNote(std::string_view name)
{
    for (std::size_t i = 0; i < kNotes.size(); ++i) {
        if (name == kNotes[i].name)
            return i;
    }
    return std::nullopt;
}

}  // namespace tones
