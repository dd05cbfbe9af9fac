#pragma once
/// @file
/// The list state lives with the editing commands that read it.

#include "editing/commands/list_state.h"
