// How fast the emulator answers a fetch: every program of the user range and
// one factory program, chunk by chunk, requests built and replies read the
// way the editor does (the reply line's thread is left out).

#include "emulator/VirtualInstrument.h"
#include "model/SysexFormat.h"
#include "model/ObjectTypes.h"

#include <benchmark/benchmark.h>

using namespace zr9;

namespace
{
void fetchPrograms (benchmark::State& state)
{
    sysex::Message last;
    emulator::VirtualInstrument zr9 ([&last] (const sysex::Message& reply) { last = reply; });
    auto numbers = zr9.userObjects (typeProgram);
    numbers.push_back (1);
    int64_t bytes = 0;

    for (auto _ : state)
    {
        for (const int n : numbers)
        {
            int offset = 0;
            for (;;)
            {
                const auto request = sysex::objectDataRequest (0, typeProgram, n, offset, 2048);
                zr9.receive (request.data(), request.size());
                const auto reply = sysex::readTransferReply (sysex::Reader (last));
                if (reply.kind != sysex::TransferReply::Kind::data || reply.data.empty())
                    break;
                offset += (int) reply.data.size();
                bytes += (int64_t) reply.data.size();
            }
        }
    }
    state.SetBytesProcessed (bytes);
}
BENCHMARK (fetchPrograms);
} // namespace
