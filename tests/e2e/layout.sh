# Where the designed labels land on a 96 dpi screen, in pixels: X Y W H.
# Sourced by the end-to-end tests and the measuring scripts.
LABEL1_BOX="16 16 425 33"
LABEL2_BOX="24 48 121 33"
