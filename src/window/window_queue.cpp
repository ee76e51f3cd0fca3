#include "window/window_queue.hpp"

namespace stable_stretch {

WindowQueue windowQueue;

}  // namespace stable_stretch
