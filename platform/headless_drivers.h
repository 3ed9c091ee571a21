#pragma once
// Makes SDL use its dummy video and audio drivers (for headless drivers
// of the whole program); call before anything opens a display or sound.

namespace platform {

void selectHeadlessDrivers();

}  // namespace platform
