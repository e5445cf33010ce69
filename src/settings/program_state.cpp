#include "settings/program_state.h"

namespace {
ProgramState& instance()
{
    static ProgramState state;
    return state;
}
} // namespace

ProgramState& program()
{
    return instance();
}

void resetProgramState()
{
    instance() = ProgramState{};
}
