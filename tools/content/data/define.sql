-- The definitions database Define.qdm as shipped: the game's settings (KARVEL) and help pages
-- (KARVELHELP), the editor's preferences (Settings) and recent levels (Recent), and the tables of
-- the editor's tile catalogue (Tileset) and help topics (EditorHelp), whose rows the generator adds
-- from tiles.txt and editor_help.txt. Text shown by the game uses only the letters, digits and signs of its font;
-- words between braces are highlighted.

CREATE TABLE KARVEL (Variable TEXT, Value);

INSERT INTO KARVEL VALUES ('gamespeed', 6);
INSERT INTO KARVEL VALUES ('musicvolume', 70);
INSERT INTO KARVEL VALUES ('soundvolume', 85);
INSERT INTO KARVEL VALUES ('levelcollection', 'Tutorial.clvl');
INSERT INTO KARVEL VALUES ('packfile', 'Brolt.pak');
INSERT INTO KARVEL VALUES ('ShowBG', 1);
INSERT INTO KARVEL VALUES ('congrats',
  '{Congratulations!} You have finished every level of this collection. The unids are safe, ' ||
  'the rocks have stopped rolling and the Thresher can rest at last. Choose another collection ' ||
  'from the main menu, or build levels of your own with the {Brolt Editor}.');

CREATE TABLE KARVELHELP (HEADER TEXT, BODY TEXT, ICONS TEXT);

INSERT INTO KARVELHELP VALUES ('Controls',
  'Steer the Thresher with the {arrow keys}. Hold {left ctrl} and an arrow to fire a shot, ' ||
  '{left shift} and an arrow to drop a bomb, {space} and an arrow to grab what lies next to you ' ||
  'without moving. {F1} pauses and shows this help, {F4} shows the sound options, {insert} and ' ||
  '{delete} tilt the view. When a level can no longer be ' ||
  'won, press {enter} to try again. {escape} blows the Thresher up, and once more takes you back ' ||
  'to the menu.',
  '1');

INSERT INTO KARVELHELP VALUES ('Unids and exits',
  'Collect every {unid} of the level: walk into one to take it. The {exit portal} stays closed ' ||
  'until the last unid is yours, then it opens and you step in to finish the level. An ' ||
  '{armoured unid} must be cracked first: drop a rock or a unid onto it. Unids fall and roll ' ||
  'like rocks, and when one is destroyed the level can no longer be won. Some levels have a ' ||
  'time limit, shown at the bottom right, and give extra seconds for every unid.',
  '21,22,29,9');

INSERT INTO KARVELHELP VALUES ('Rocks and grass',
  '{Rocks} fall when nothing holds them and roll off round things: other rocks, unids and round ' ||
  'walls. A falling rock crushes whatever it lands on, the Thresher too, but you can stand under ' ||
  'a rock that rests. Walk into a rock to push it sideways when the space behind it is free. ' ||
  '{Grass} holds rocks up and is cleared as you walk through it. Some rocks are special: one ' ||
  'explodes when it lands, one cannot be destroyed and one falls upward.',
  '20,45,95,97,98');

INSERT INTO KARVELHELP VALUES ('Creatures',
  'The {araneae} crawl along the walls, always keeping a wall at one side. The {gnats} fly ' ||
  'straight on and turn when they are blocked, and the red ones turn toward you when they see ' ||
  'you. Touching a creature is deadly. A rock dropped on a gnat, a shot or a bomb destroys it. ' ||
  'The {gold gnat} carries unids: destroy it and it leaves unids behind for you to collect.',
  '2,3,4,5,6,7,8');

INSERT INTO KARVELHELP VALUES ('Bombs and shots',
  'Collect {bomb} and {shot} power-ups to fill your stock, shown at the top left. A dropped bomb ' ||
  'goes off a few seconds later and destroys what lies around it, except the hardest walls. A ' ||
  'shot flies straight on until it hits something: rocks, grass and unids are destroyed, ' ||
  'creatures and bombs explode. Mind the unids and the exit portal, shots destroy them too. The ' ||
  'red {explosive} blows up when it lands on something.',
  '25,73,74,23');

INSERT INTO KARVELHELP VALUES ('Power-ups',
  'Walk into a power-up to collect it. {Freeze} stops every creature for a while. {Shield} ' ||
  'keeps creatures and explosions from harming you for a while. The {checkpoint} saves the ' ||
  'level as it is: if you fail later, {enter} takes you back to that moment instead of the ' ||
  'start. {Bombs} and {shots} add one to your stock. Power-ups fall like rocks, so take them ' ||
  'before they drop out of reach.',
  '70,71,72,73,74');

INSERT INTO KARVELHELP VALUES ('Doors, keys and gates',
  'Walk into a {switch} to open every closed door and close every open one. You pass an ' ||
  '{open door} by jumping over it to the cell beyond, which must be free. Push a {key block} ' ||
  'into the {key hole} of its colour to open the hole. A {gate} in a wall lets you jump through ' ||
  'in the direction of its arrows only, a gate with arrows both ways lets you through either way.',
  '56,59,58,53,50,40,44');

INSERT INTO KARVELHELP VALUES ('Floors and machines',
  'A {force floor} carries you quickly the way its arrows point. A {cannon} fires a shot every ' ||
  'few seconds when the way ahead is clear, so time your crossing. A {rock generator} keeps ' ||
  'dropping new rocks into the space below it and swallows whatever falls onto it. A ' ||
  '{hatcher} grows for about half a minute and then hatches a crawling creature, so deal with ' ||
  'it early.',
  '30,34,39,24');

CREATE TABLE Tileset (Type INTEGER, "Desc" TEXT, "Unique" INTEGER, Rotate INTEGER, X INTEGER,
                      Y INTEGER, Mini INTEGER, Explosive INTEGER);

-- The editor's preferences. Switches are stored inverted: -1 is off, 0 is on. The window opens
-- centred with the client area the editor is designed for; the colours are a border colour and the
-- two grid colours 75 and 155 darker per component, as the random scheme makes them.
CREATE TABLE Settings (Variable TEXT, Value TEXT);

INSERT INTO Settings VALUES ('tilesetimagefile', 'Tileset.bmp');
INSERT INTO Settings VALUES ('graphicspath', '/Graphics/');
INSERT INTO Settings VALUES ('soundpath', '/Sounds/');
INSERT INTO Settings VALUES ('musicpath', '/Music/');
INSERT INTO Settings VALUES ('levelspath', '/Levels/');
INSERT INTO Settings VALUES ('levelfile', 'Sandbox.lvl');
INSERT INTO Settings VALUES ('len', '10101');
INSERT INTO Settings VALUES ('formcaption', 'Brolt Editor');
INSERT INTO Settings VALUES ('levelname', 'Untitled');
INSERT INTO Settings VALUES ('default levelname', 'Untitled');
INSERT INTO Settings VALUES ('undomax', '20');
INSERT INTO Settings VALUES ('tilewidth', '20');
INSERT INTO Settings VALUES ('fadeinspeed', '15');
INSERT INTO Settings VALUES ('miniwidth', '150');
INSERT INTO Settings VALUES ('tool', '1');
INSERT INTO Settings VALUES ('statusbar', 'Right-click any control for help.');
INSERT INTO Settings VALUES ('overwritetiles', '-1');
INSERT INTO Settings VALUES ('showgrid', '0');
INSERT INTO Settings VALUES ('mutemusic', '-1');
INSERT INTO Settings VALUES ('useprimaryfortilecounter', '-1');
INSERT INTO Settings VALUES ('lightraddef', '5');
INSERT INTO Settings VALUES ('lightdef', '');
INSERT INTO Settings VALUES ('cannonrate', '5');
INSERT INTO Settings VALUES ('bordercolor', '090,150,255');
INSERT INTO Settings VALUES ('gridlight', '015,075,180');
INSERT INTO Settings VALUES ('griddark', '000,000,100');
INSERT INTO Settings VALUES ('rndbordercolor', '-1');
INSERT INTO Settings VALUES ('windowx', '0');
INSERT INTO Settings VALUES ('windowy', '0');
INSERT INTO Settings VALUES ('windoww', '632');
INSERT INTO Settings VALUES ('windowh', '532');
INSERT INTO Settings VALUES ('windowstate', '0');
INSERT INTO Settings VALUES ('centerwindow', '0');

-- The editor's recently opened levels; empty until the designer opens one.
CREATE TABLE Recent ("Index" INTEGER, File TEXT, Level INTEGER, Title TEXT);

-- Hide holds the system's truth values: -1 hides a topic from the list and index, 0 shows it.
CREATE TABLE EditorHelp (Header TEXT, Body TEXT, Hide INTEGER, HelpIndex TEXT);
