#include "shell_settings.h"

ShellSettingsRecord ShellSettings;
