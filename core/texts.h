// texts.h: every text the rules of the game show the player, in its exact wording.
#pragma once

#include <string_view>

namespace torvelle::texts {

// The title of a message box that has none of its own.
inline constexpr std::string_view kApplicationTitle = "Torvelle";

inline constexpr std::string_view kFleetPlaced = "Vous avez posé vos 10 bateaux";
inline constexpr std::string_view kGameBegins = "Maintenant le JEUX commence !";
inline constexpr std::string_view kForfeit =
    " Ordinateur : à bout de souffle par votre très grande aptitude au jeu . FORFAIT";
// The computer's give-up leaves this in the player's score, whatever it held.
inline constexpr std::string_view kForfeitScore = "11";

inline constexpr std::string_view kPlayerWins = "Joueur\r\nGAGNE !";
inline constexpr std::string_view kComputerWins = "Ordinateur\r\nGAGNE !";

inline constexpr std::string_view kReplayQuestion = "Rejouer ?";
inline constexpr std::string_view kReplayTitle = "Torvelle !";

} // namespace torvelle::texts
