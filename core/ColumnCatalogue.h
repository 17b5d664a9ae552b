#pragma once
// The main list's column catalogue (gColumnDef 0..76); its order is part of the DB.ini format.
void FGridViewSelect_ini();
