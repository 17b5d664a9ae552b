#pragma once
// Binding a control's event to its handler. The handler runs inside guarded, so no vb::Error or other
// exception reaches Qt's event loop. Handlers that other code or tests call directly guard their own body
// as well (ui::guarded), so they behave the same however they are reached.
//
//   ui::bind(Mnu_Add, &QAction::triggered, this, &frm_X::Mnu_Add_Click);
//   ui::bind(tbxEdit[i], &ui::TextBox::GotFocus, this, &frm_X::tbxEdit_GotFocus, i);    // control array
//   ui::bind(tbx_Num, &ui::TextBox::KeyPress, this, &frm_X::tbx_Num_KeyPress);          // (int& KeyAscii)
//   ui::bind(tbx_Dat[i], &ui::TextBox::KeyPress, this, &frm_X::tbx_Dat_KeyPress, i);    // (int Index, int&)
#include <QObject>
#include <concepts>

#include "platform/ui/Dialogs.h"

namespace ui {

// A handler without arguments; the signal's arguments, if any, are not passed.
template <class Sender, class Signal, class Receiver>
QMetaObject::Connection bind(Sender* sender, Signal signal, Receiver* receiver, void (Receiver::*handler)()) {
    return QObject::connect(sender, signal, receiver,
                            [receiver, handler] { guarded([&] { (receiver->*handler)(); }); });
}

// A handler of a control array member: it gets the member's index.
template <class Sender, class Signal, class Receiver>
QMetaObject::Connection bind(Sender* sender, Signal signal, Receiver* receiver, void (Receiver::*handler)(int),
                             int index) {
    return QObject::connect(sender, signal, receiver,
                            [receiver, handler, index] { guarded([&] { (receiver->*handler)(index); }); });
}

// A key handler: it may change or clear (0) the typed character.
template <class Sender, class Signal, class Receiver>
QMetaObject::Connection bind(Sender* sender, Signal signal, Receiver* receiver, void (Receiver::*handler)(int&)) {
    return QObject::connect(sender, signal, receiver,
                            [receiver, handler](int& keyAscii) { guarded([&] { (receiver->*handler)(keyAscii); }); });
}

// A key handler of a control array member.
template <class Sender, class Signal, class Receiver>
QMetaObject::Connection bind(Sender* sender, Signal signal, Receiver* receiver, void (Receiver::*handler)(int, int&),
                             int index) {
    return QObject::connect(sender, signal, receiver, [receiver, handler, index](int& keyAscii) {
        guarded([&] { (receiver->*handler)(index, keyAscii); });
    });
}

// Any other callable without arguments, run in the context's thread and dropped with it.
template <class Sender, class Signal, std::invocable Fn>
QMetaObject::Connection bind(Sender* sender, Signal signal, QObject* context, Fn fn) {
    return QObject::connect(sender, signal, context, [fn = std::move(fn)] { guarded(fn); });
}

// Any other key handler callable.
template <class Sender, class Signal, std::invocable<int&> Fn>
QMetaObject::Connection bind(Sender* sender, Signal signal, QObject* context, Fn fn) {
    return QObject::connect(sender, signal, context,
                            [fn = std::move(fn)](int& keyAscii) { guarded([&] { fn(keyAscii); }); });
}

}  // namespace ui
