#pragma once

#include "LiveTable.h"

#include <array>

namespace zr9
{

class Notifications;

/**
    The user's gestures on live rows: one move of the user's (a drag, a run
    of wheel notches or arrow keys, a typed value, a choice from a list, a
    menu or a button) opens the row's gesture before its first change and
    closes it after its last, so a plug-in host in touch or latch automation
    records the move as one.

    Moves on the same row may overlap (a wheel run on a knob still open when
    a selector sets the same row): the row's gesture opens with the first and
    closes with the last, so the host hears one start and one end. An end
    without a start is dropped. Message thread.
*/
class LiveGestures
{
public:
    explicit LiveGestures (Notifications& n) : notifications (n) {}

    void begin (int row);
    void end (int row);
    bool isOpen (int row) const noexcept { return LiveTable::isRow (row) && open[(size_t) row] > 0; }

private:
    Notifications& notifications;
    std::array<int, LiveTable::rowCount> open {};
};

/** Holds a row's gesture open while it lives: what happens meanwhile is one move of the user's. */
class ScopedLiveGesture
{
public:
    ScopedLiveGesture (LiveGestures& g, int r) : gestures (g), row (r) { gestures.begin (row); }
    ~ScopedLiveGesture() { gestures.end (row); }

    ScopedLiveGesture (const ScopedLiveGesture&) = delete;
    ScopedLiveGesture& operator= (const ScopedLiveGesture&) = delete;

private:
    LiveGestures& gestures;
    const int row;
};

} // namespace zr9
