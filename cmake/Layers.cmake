# The layers of the source folders. A folder may include headers of lower layers; of its own
# layer only where the folders do not include each other round in a cycle; never of a higher
# one. Tests, benchmarks and fuzzers sit above everything and are not checked.
set(MECHIK_LAYERS
  spreadsheet=0
  services=1
  tones=2
  keyboard=2
  songs=3
  conversion=4
  grips=4
  melody=4
  music=4
  tunings=4
  auxwin=5
  views=5
  plugins=5
  app=6
  tools=6
)

