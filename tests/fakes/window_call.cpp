#include "window_call.h"

#include <ostream>

namespace {
using Op = WindowCall::Op;

std::string Text(const std::optional<std::string>& s) {
    return s ? "\"" + *s + "\"" : "null";
}
} // namespace

std::ostream& operator<<(std::ostream& out, const WindowCall& c) {
    switch (c.op) {
    case Op::GetDesktopWindow:
        return out << "GetDesktopWindow()";
    case Op::GetWindow:
        return out << "GetWindow(" << c.window << "," << c.command << ")";
    case Op::GetClassNameA:
        return out << "GetClassNameA(" << c.window << "," << c.size << ")";
    case Op::FindWindowA:
        return out << "FindWindowA(" << Text(c.className) << "," << Text(c.title) << ")";
    case Op::FindWindowExA:
        return out << "FindWindowExA(" << c.window << "," << c.childAfter << ","
                   << Text(c.className) << "," << Text(c.title) << ")";
    case Op::SendMessageTimeoutA:
        return out << "SendMessageTimeoutA(" << c.window << "," << c.message << "," << c.wParam
                   << "," << c.lParam << "," << c.timeoutMs << ")";
    case Op::IsIconic:
        return out << "IsIconic(" << c.window << ")";
    case Op::GetWindowRect:
        return out << "GetWindowRect(" << c.window << ")";
    case Op::SetForegroundWindow:
        return out << "SetForegroundWindow(" << c.window << ")";
    case Op::GetWindowThreadProcessId:
        return out << "GetWindowThreadProcessId(" << c.window << ")";
    case Op::AttachThreadInput:
        return out << "AttachThreadInput(" << c.thread << "," << c.toThread << ","
                   << (c.join ? "attach" : "detach") << ")";
    case Op::SetFocus:
        return out << "SetFocus(" << c.window << ")";
    case Op::SendInput:
        return out << "SendInput(" << c.keys << ")";
    }
    return out << "?";
}
