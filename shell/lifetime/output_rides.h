#pragma once

#include "contract/engine_contract.h"
#include "engine_process.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The rides of a run on Wayland: one engine process per output, known by the output's name.
// An engine that ends with status 0 (its keys) or by a signal ends the whole run; one that ends
// with OutputGone (its output or surface went) or CouldNotStart ends only its own output's ride.
class OutputRides {
public:
    static constexpr int CouldNotStart = RideFailed;
    static constexpr int OutputGone = RideOutputGone;

    // engine: the program; switches: what each engine is told before "--output NAME".
    OutputRides(std::filesystem::path engine, std::vector<std::string> switches);

    // Starts a ride on the output unless one rides there already. False when it could not start.
    bool start(const std::string& output);
    // Reaps the rides that have ended. True once the run is over: a ride ended the run, or none
    // is left (also when none ever started). Stays true from then on.
    bool over();
    // SIGTERM to every ride at once, then waits for each (see EngineProcess::end).
    void endAll();
    // Once over(): true when no ride ever ran, each engine having ended with CouldNotStart (or
    // none having started at all), so the run failed rather than ended.
    bool failed() const { return m_ridesRun == 0; }
    // The outputs that have a ride now.
    std::vector<std::string> outputs() const;

    // Whether an engine's exit status (EngineProcess::endStatus) ends every ride of the run.
    static bool EndsTheRun(int exitStatus);

private:
    std::filesystem::path m_engine;
    std::vector<std::string> m_switches;
    std::map<std::string, std::unique_ptr<EngineProcess>> m_rides;
    bool m_over = false;
    int m_ridesRun = 0;
};
