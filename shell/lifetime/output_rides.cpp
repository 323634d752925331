#include "output_rides.h"

#include "contract/engine_contract.h"

OutputRides::OutputRides(std::filesystem::path engine, std::vector<std::string> switches)
    : m_engine(std::move(engine))
    , m_switches(std::move(switches))
{
}

bool OutputRides::start(const std::string& output)
{
    if (m_over)
        return false;
    if (m_rides.count(output) != 0)
        return true;
    auto ride = std::make_unique<EngineProcess>();
    std::vector<std::string> arguments = m_switches;
    arguments.insert(arguments.end(), {std::string(OutputSwitch), output});
    if (!ride->start(m_engine, arguments))
        return false;
    m_rides.emplace(output, std::move(ride));
    return true;
}

bool OutputRides::over()
{
    for (auto ride = m_rides.begin(); ride != m_rides.end();) {
        if (!ride->second->hasEnded()) {
            ++ride;
            continue;
        }
        const int status = ride->second->endStatus();
        if (status != CouldNotStart)
            ++m_ridesRun;
        m_over = m_over || EndsTheRun(status);
        ride = m_rides.erase(ride);
    }
    m_over = m_over || m_rides.empty();
    return m_over;
}

void OutputRides::endAll()
{
    // Rides still going when the run ends have run.
    m_ridesRun += static_cast<int>(m_rides.size());
    for (auto& ride : m_rides)
        ride.second->requestEnd();
    for (auto& ride : m_rides)
        ride.second->end();
    m_rides.clear();
}

std::vector<std::string> OutputRides::outputs() const
{
    std::vector<std::string> names;
    for (const auto& ride : m_rides)
        names.push_back(ride.first);
    return names;
}

bool OutputRides::EndsTheRun(int exitStatus)
{
    return exitStatus != CouldNotStart && exitStatus != OutputGone;
}
