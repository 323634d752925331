#pragma once

#include "mci_error.h"

#include <optional>
#include <string>
#include <vector>

// A device of the command-string layer, as kept between the commands that open and close it.
// Every call returns at once (within a bounded wait for the sound system).
class MciDevice {
public:
    virtual ~MciDevice() = default;

    // Positions are texts in the device's time format; none plays from where it stands, or
    // to the end.
    virtual MCIERROR play(const std::optional<std::string>& from, const std::optional<std::string>& to) = 0;
    // Stops the sound and keeps the position.
    virtual MCIERROR stop() = 0;
    // The words after the device name ("mode", "current track", ...); the answer goes to reply.
    virtual MCIERROR status(const std::vector<std::string>& item, std::string& reply) = 0;
    // The words after the device name ("time format tmsf").
    virtual MCIERROR set(const std::vector<std::string>& setting) = 0;
};
