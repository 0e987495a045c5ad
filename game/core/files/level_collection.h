#pragma once
// The game's operations on level collections: counting, names, open and solved state, best times and
// their holders, the tag record's texts, and the progress writes into compiled collections.
// Every operation opens the file, reads or writes one slot and closes it again. Reads never create a
// file; writes replace the file atomically and report failure by throwing FileError.
#include <cstdint>
#include <string>

namespace brolt {

struct Game;

struct CollectionState {
  // The collection being played, relative to the levels folder.
  std::string CollectionFile;
  std::int32_t LevelCount = 0;
  // The record holder's name being typed on the level-complete screen, at most five characters.
  std::string PlayerName;
};

// Whether the collection's file is there, can be read and holds a first level: what preview play
// needs before it starts.
bool CanPlayCollection(const Game& game, const std::string& name);

// Whether the collection's record 1 carries the compiled marker (either letter case).
bool IsCollectionCompiled(Game& game, const std::string& name);

std::int32_t CountCollectionLevels(Game& game, const std::string& name);
std::string ReadLevelName(Game& game, int level);
int IsLevelSolved(Game& game, int level);
// Whether the level's slot holds the placeholder of an emptied level space.
bool IsLevelHolder(Game& game, int level);
std::string ReadCollectionMarker(Game& game, int record);
std::string ReadBestTime(Game& game, int level);
std::string ReadBestTimeHolder(Game& game, int level);
std::string ReadCollectionDescription(Game& game);
std::string ReadCollectionEndText(Game& game);
bool IsBetterTime(const Game& game, const std::string& stored);
void SetLevelSolvedMark(Game& game, int level, char mark);
void SaveBestTime(Game& game, int level);
void SaveRecordName(Game& game, int level);

}  // namespace brolt
