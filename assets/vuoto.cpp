// Keeps the picture library valid before any picture is drawn.
