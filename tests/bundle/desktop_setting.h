#pragma once

namespace corelim::test {

// The user's desktop folder setting, which the window tests point at
// folders of their own. The runner records it once, under a key of its own
// in the user's registry, so that a run that was ended before it could put
// the setting back is mended by the next one.
void RecordDesktopSetting();

// Puts the recorded setting back when it was changed; true when it was.
// `done` also forgets the record. Nothing happens when none is recorded.
bool PutBackDesktopSetting(bool done);

}  // namespace corelim::test
