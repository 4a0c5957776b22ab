#pragma once

namespace zr9
{

class ControllerSettings;
class MidiConnection;

/**
    Plays the instrument from the computer: the operations the on-screen
    keyboard, its wheels and the computer-keyboard player send through.

    Every operation checks its numbers first: a note outside 0 to 127, a
    channel outside 1 to 16, a velocity or controller value outside 0 to 127
    or a pitch-wheel value outside 0 to 16383 sends nothing. With the output
    closed nothing is sent either (the output drops it).

    Called on the message thread; sending only queues at the output.
*/
class NotePlayer
{
public:
    static constexpr int noteCount = 128;
    static constexpr int maxDataByte = 127;
    static constexpr int pitchWheelCentre = 8192;
    static constexpr int maxPitchWheel = 16383;
    static constexpr int wheelCentre = 64;

    NotePlayer (MidiConnection& connection, ControllerSettings& settings);

    /** The channel the players send on, 1 to 16 (setting 42). */
    int channel() const noexcept;

    /**
        Makes `channel` (1 to 16) the players' channel, keeps it as setting 42,
        and tells the instrument with the channel-select message. Others are ignored.
    */
    void selectChannel (int channel);

    void noteOn (int note, int channel, int velocity);
    void noteOff (int note, int channel);
    /** Note off for all 128 notes on the channel, in one block so nothing comes in between. */
    void allNotesOff (int channel);

    /** A 14-bit pitch-wheel value, 8192 in the centre. */
    void pitchWheel (int channel, int value);
    /** Controller 1, the modulation wheel. */
    void modulation (int channel, int value);

    static bool isNote (int note) noexcept { return note >= 0 && note < noteCount; }
    static bool isChannel (int channel) noexcept;
    static bool isDataByte (int value) noexcept { return value >= 0 && value <= maxDataByte; }

    /**
        The pitch-wheel value for a wheel position of 0 to 127: 0 at the bottom,
        8192 at 64 and the full 16383 at the top, so the wheel bends as far up
        as down. Positions outside 0 to 127 are held to it.
    */
    static int pitchWheelForPosition (int position) noexcept;
    /** The wheel position a received pitch-wheel value stands for: its high seven bits. */
    static int positionForPitchWheel (int value) noexcept;

private:
    MidiConnection& connection;
    ControllerSettings& settings;
};

} // namespace zr9
