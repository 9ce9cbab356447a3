// Making the plug-in's tool the host's current one, as a click on its button would.
#pragma once

// Nothing happens when the tool could not be added.
void ChoisirOutil();
