// Moving through the list: the slideshow's next picture, what happens at the end of the list,
// and the Next and Previous steps.
#include "app/app_state.h"

void AppState::onTimeUp() {
    const size_t count = catalog.images().size();
    if (count > 0 && catalog.index() + 1 == count) {
        if (settings.loopshuffle && settings.sort == SortOrder::Random && count > 1) catalog.shuffle();
        if (settings.loop == LoopEnd::Pause) return;
        if (settings.loop == LoopEnd::Exit) {
            onCommand(Command::Exit);
            return;
        }
    }
    if (count == 0 || (count <= 1 && !settings.collage)) return;
    catalog.setIndex(uint32_t((catalog.index() + 1) % count));
    showCurrent(true);
}

void AppState::step(int32_t direction, int32_t modifiers) {
    const int64_t count = int64_t(catalog.images().size());
    if (count == 0) {
        if (direction > 0) loadFailures.report(LoadFailure::NoFiles);
        return;
    }
    const int64_t distance = modifiers & KeyShift ? 5 : modifiers & KeyControl ? 10 : 1;
    catalog.setIndex(uint32_t(((int64_t(catalog.index()) + direction * distance) % count + count) % count));
    showCurrent(direction > 0);
}
