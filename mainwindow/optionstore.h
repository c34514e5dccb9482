#pragma once
// The saved options: being written.
