// Timing and memory figures for the benchmark programs.
#pragma once
