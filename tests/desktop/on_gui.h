#pragma once
// The suite's test bodies run on a thread of their own while the program's event loop runs
// on the main thread, as in the real program. The test thread reads the windows' state by
// running a function on the main thread and waiting for its result. Such a function must
// never open a window: a modal window runs its own loop and the test thread would wait on it.
// Acting on the program is done by X input only.
#include <QApplication>
#include <QMetaObject>

#include <type_traits>
#include <utility>

namespace desktop {

template <typename F>
auto onGui(F&& function) -> std::invoke_result_t<F> {
    using Result = std::invoke_result_t<F>;
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(qApp, std::forward<F>(function), Qt::BlockingQueuedConnection);
    } else {
        Result result{};
        QMetaObject::invokeMethod(qApp, [&] { result = function(); }, Qt::BlockingQueuedConnection);
        return result;
    }
}

}  // namespace desktop
