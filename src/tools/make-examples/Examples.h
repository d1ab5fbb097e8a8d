#pragma once

class CReqDoc;

// The example projects shipped in the folder "Examples".
void BuildCoffeeMachine(CReqDoc& doc);
void BuildInfusionPump(CReqDoc& doc);
