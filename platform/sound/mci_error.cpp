#include "mci_error.h"

std::string_view MciErrorText(MCIERROR code)
{
    switch (code) {
    case MCIERR_UNRECOGNIZED_KEYWORD:
        return "The command contains a word the device does not understand.";
    case MCIERR_UNRECOGNIZED_COMMAND:
        return "The command is not known.";
    case MCIERR_HARDWARE:
        return "The sound device reported a failure.";
    case MCIERR_INVALID_DEVICE_NAME:
        return "The device is not open or its name is not known.";
    case MCIERR_DEVICE_OPEN:
        return "The device is already open.";
    case MCIERR_MISSING_COMMAND_STRING:
        return "The command is empty.";
    case MCIERR_PARAM_OVERFLOW:
        return "The reply does not fit into the reply buffer.";
    case MCIERR_BAD_INTEGER:
        return "A number in the command is not valid.";
    case MCIERR_MISSING_PARAMETER:
        return "The command lacks a required word.";
    case MCIERR_UNSUPPORTED_FUNCTION:
        return "The device cannot do what the command asks.";
    case MCIERR_FILE_NOT_FOUND:
        return "The file was not found.";
    case MCIERR_DEVICE_NOT_READY:
        return "The device is not ready: there is no audio disc in the drive.";
    case MCIERR_OUTOFRANGE:
        return "A position or track in the command is outside the media.";
    case MCIERR_DEVICE_TYPE_REQUIRED:
        return "A file needs a device type to be opened.";
    case MCIERR_DUPLICATE_ALIAS:
        return "The alias is already in use.";
    case MCIERR_BAD_TIME_FORMAT:
        return "The time format is not supported by the device.";
    case MCIERR_NO_CLOSING_QUOTE:
        return "A quoted word in the command has no closing quote.";
    case MCIERR_INVALID_FILE:
        return "The file cannot be played: it holds no sound the system can decode.";
    case MCIERR_DEVICE_NOT_INSTALLED:
        return "There is no CD drive on this system.";
    default:
        return {};
    }
}
