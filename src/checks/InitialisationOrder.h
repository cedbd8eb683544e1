// Objects with static storage whose initialisation reads another object
// that may not be initialised yet: messages 1550 to 1559.
//
// The per-file analyser writes an extern-variable record for every object
// or function an initialiser names: the record's object is the object
// being initialised, its subject what the initialiser uses. An object read
// directly (1550 to 1553) is a risk when it lies in another file, whose
// objects may be initialised later, or further down the same file. A
// function called by the initialiser is followed through everything it
// refers to (1555 to 1559, reported at the function that reads the
// object). Objects the project declares but never defines get 1554 and
// 1559: the project cannot tell when they are initialised.
#pragma once

namespace zum {

void configureInitialisationOrder();

}  // namespace zum
