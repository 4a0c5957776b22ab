#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

namespace zr9
{

/**
    Where the instrument's object-transfer replies go: the receiver the
    transfer code sets. While FIFO mode is on, every protocol message goes
    there instead of to the model.

    The receiver is set on the message thread and called on the MIDI input
    thread, under the mailbox's lock, so it is never called once it has been
    taken away.
*/
class TransferMailbox
{
public:
    /** The message without its leading 0xF0, closing 0xF7 included. */
    using Receiver = std::function<void (const std::vector<std::uint8_t>& body)>;

    void setReceiver (Receiver receiver);
    void setFifoMode (bool on) noexcept { fifo = on; }
    bool isFifoMode() const noexcept { return fifo.load(); }

    /** Hands the body to the receiver; false when there is none. */
    bool deliver (const std::vector<std::uint8_t>& body);

private:
    std::mutex lock;
    Receiver receiver;
    std::atomic<bool> fifo { false };
};

} // namespace zr9
