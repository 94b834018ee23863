#pragma once

#include <functional>

/** Runs `work` to completion before returning. Called on the GUI thread of a
 *  program with a QGuiApplication, it runs `work` on a worker thread while the
 *  caller waits in a local event loop that keeps windows painting but holds
 *  back user input, with a busy cursor; anywhere else it runs `work` inline.
 *  `work` must not touch widgets and must not throw. */
void RunResponsively(const std::function<void()>& work);
