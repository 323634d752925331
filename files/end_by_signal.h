#pragma once

// Ends the process by signalNumber with the signal's default action, as if nobody had caught it
// (a handler is replaced, a block lifted), so its parent sees a death by that signal; status
// 128 + signalNumber should that fail. Output still buffered is written first.
[[noreturn]] void EndBySignal(int signalNumber);

// The same without writing buffered output, so that a signal handler may call it.
[[noreturn]] void EndBySignalNow(int signalNumber);
