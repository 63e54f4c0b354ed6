// Which skinner each framework control gets.
#pragma once

// Registers the framework controls' skinners, once however often it is called.
void RegisterStdControlSkinners();
