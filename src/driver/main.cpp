#include "driver/batch_io.hpp"

int main() { return stable_stretch::runBatch(); }
