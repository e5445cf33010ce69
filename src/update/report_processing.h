#pragma once

// The second half of an update: every watched station's row from its page,
// its UV and warnings, the alternate sources, the log, and the hand-over of
// the current station to the small windows and the tray, all in one unit:
// `celsius` for degrees Celsius, km/h and millibars, whatever the menu
// shows meanwhile. Returns false when an observation-log record could not
// be written (the pass goes on).
bool Process_Reports(bool celsius);
